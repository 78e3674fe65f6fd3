// tintwell-pictures.exe: saves every coloured page of an edition's folder as a PNG
// named after the page, into Documents\Tintwell\Pictures, and opens that folder.
// Usage: tintwell-pictures.exe [page folder [pictures folder]]
// The page folder is the current folder unless given. It may hold one edition's
// pages, or (as Documents\Tintwell does) the editions' own folders; started from a
// folder with neither (the programs' folder, as an install for everyone's shortcut
// does), it is the user's own Documents\Tintwell. Page files are only ever read.
#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>
#include <wincodec.h>

#include <string>
#include <vector>

#include "editions/edition.h"
#include "pictures/picture_names.h"
#include "pictures/picture_page.h"
#include "support/scoped_file.h"

namespace {

const char kCaption[] = "Tintwell: Save the pictures";
constexpr DWORD kLargestPageFile = 4 * 1024 * 1024;

struct PageFolder {
    int edition;  // 1..5
    std::string path;
};

struct Outcome {
    int saved = 0;
    std::vector<std::string> unreadable;  // page files that could not be read
    std::vector<std::string> unsaved;     // pictures that could not be written
};

std::string Join(const std::string& folder, const std::string& name) {
    if (folder.empty() || folder.back() == '\\' || folder.back() == '/') return folder + name;
    return folder + "\\" + name;
}

bool FileExists(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string PageFileName(int edition, int index) {
    std::string name = kEditions[edition - 1].pageNames[index];
    while (!name.empty() && name.back() == ' ') name.pop_back();  // the platform drops a trailing blank
    return name;
}

bool HoldsPages(const std::string& folder, int edition) {
    for (int i = 0; i < kPageCount; ++i)
        if (FileExists(Join(folder, PageFileName(edition, i)))) return true;
    return false;
}

// The edition folders to save from: the folder itself where it holds an
// edition's pages, otherwise the editions' own folders inside it.
std::vector<PageFolder> FindPageFolders(const std::string& folder) {
    std::vector<PageFolder> found;
    for (int e = 1; e <= kEditionCount; ++e)
        if (HoldsPages(folder, e)) found.push_back({e, folder});
    if (!found.empty()) return found;
    for (int e = 1; e <= kEditionCount; ++e) {
        const std::string inner = Join(folder, kEditionFolders[e - 1]);
        if (HoldsPages(inner, e)) found.push_back({e, inner});
    }
    return found;
}

// The whole file, opened for reading only and sharing both ways, so a running
// program can go on saving the page meanwhile.
bool ReadWholeFile(const std::string& path, std::vector<uint8_t>& bytes) {
    ScopedFile file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.IsOpen()) return false;
    const DWORD size = GetFileSize(file, nullptr);
    if (size == INVALID_FILE_SIZE || size > kLargestPageFile) return false;
    bytes.resize(size);
    DWORD read = 0;
    return size == 0 || (ReadFile(file, bytes.data(), size, &read, nullptr) && read == size);
}

std::wstring Wide(const std::string& text) {
    const int length = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
    std::wstring wide(length > 0 ? length : 1, L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, &wide[0], length);
    wide.resize(wide.size() - 1);
    return wide;
}

// A COM interface pointer this scope obtained, released once at the end.
template <typename T>
class ScopedCom {
public:
    ScopedCom() = default;
    ~ScopedCom() {
        if (object_) object_->Release();
    }
    ScopedCom(const ScopedCom&) = delete;
    ScopedCom& operator=(const ScopedCom&) = delete;
    T* operator->() const { return object_; }
    T* get() const { return object_; }
    T** out() { return &object_; }  // for the call that hands the pointer over

private:
    T* object_ = nullptr;
};

// Writes 24-bit rows from the top as a PNG through the Windows Imaging Component.
bool WritePng(IWICImagingFactory* factory, const std::string& path, int width, int height,
              std::vector<uint8_t>& rows) {
    // Declared in the order of their making, so they are released in reverse.
    ScopedCom<IWICStream> stream;
    ScopedCom<IWICBitmapEncoder> encoder;
    ScopedCom<IWICBitmapFrameEncode> frame;
    ScopedCom<IPropertyBag2> options;
    WICPixelFormatGUID format = GUID_WICPixelFormat24bppBGR;
    const UINT stride = UINT(width) * 3;
    HRESULT hr = factory->CreateStream(stream.out());
    if (SUCCEEDED(hr)) hr = stream->InitializeFromFilename(Wide(path).c_str(), GENERIC_WRITE);
    if (SUCCEEDED(hr)) hr = factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, encoder.out());
    if (SUCCEEDED(hr)) hr = encoder->Initialize(stream.get(), WICBitmapEncoderNoCache);
    if (SUCCEEDED(hr)) hr = encoder->CreateNewFrame(frame.out(), options.out());
    if (SUCCEEDED(hr)) hr = frame->Initialize(options.get());
    if (SUCCEEDED(hr)) hr = frame->SetSize(UINT(width), UINT(height));
    if (SUCCEEDED(hr)) hr = frame->SetPixelFormat(&format);
    // The encoder may only offer another layout; then these bytes would be misread.
    if (SUCCEEDED(hr) && !IsEqualGUID(format, GUID_WICPixelFormat24bppBGR)) hr = E_FAIL;
    if (SUCCEEDED(hr)) hr = frame->WritePixels(UINT(height), stride, UINT(rows.size()), rows.data());
    if (SUCCEEDED(hr)) hr = frame->Commit();
    if (SUCCEEDED(hr)) hr = encoder->Commit();
    return SUCCEEDED(hr);
}

// Writes under a temporary name first, so an old picture is replaced only by a whole new one.
bool SavePicture(IWICImagingFactory* factory, const PagePicture& picture, const std::string& path) {
    std::vector<uint8_t> rows = PictureBgrRows(picture);
    const std::string partial = path + ".part";
    if (!WritePng(factory, partial, PageWidth(picture.page), PageHeight(picture.page), rows)) {
        DeleteFileA(partial.c_str());
        return false;
    }
    if (!MoveFileExA(partial.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING)) {
        DeleteFileA(partial.c_str());
        return false;
    }
    return true;
}

bool MakeFolder(const std::string& path) {
    const int result = SHCreateDirectoryExA(nullptr, path.c_str(), nullptr);
    return result == ERROR_SUCCESS || result == ERROR_ALREADY_EXISTS || result == ERROR_FILE_EXISTS;
}

void SaveFolder(IWICImagingFactory* factory, const PageFolder& folder, const std::string& pictures,
                Outcome& outcome) {
    PagePicture picture;
    std::vector<uint8_t> bytes;
    for (int i = 0; i < kPageCount; ++i) {
        const std::string path = Join(folder.path, PageFileName(folder.edition, i));
        if (!FileExists(path)) continue;  // a missing page has nothing coloured
        PagePictureState state = PagePictureState::Unreadable;
        if (ReadWholeFile(path, bytes))
            state = ReadPagePicture(bytes.data(), bytes.size(), kEditions[folder.edition - 1].pageSignature, picture);
        if (state == PagePictureState::Unreadable) {
            outcome.unreadable.push_back(path);
            continue;
        }
        if (state != PagePictureState::Coloured) continue;
        const std::string name = std::string(kPictureNames[folder.edition - 1][i]) + ".png";
        if (MakeFolder(pictures) && SavePicture(factory, picture, Join(pictures, name)))
            ++outcome.saved;
        else
            outcome.unsaved.push_back(name);
    }
}

std::string ListOf(const std::vector<std::string>& lines) {
    std::string text;
    for (size_t i = 0; i < lines.size() && i < 20; ++i) text += "\n    " + lines[i];
    if (lines.size() > 20) text += "\n    ... and " + std::to_string(lines.size() - 20) + " more";
    return text;
}

std::string CurrentFolder() {
    char path[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, path);
    return path;
}

// Documents\Tintwell, or "" when Windows cannot name the user's Documents.
std::string UserTintwellFolder() {
    char documents[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathA(nullptr, CSIDL_PERSONAL | CSIDL_FLAG_CREATE, nullptr, SHGFP_TYPE_CURRENT, documents)))
        return "";
    return Join(documents, "Tintwell");
}

std::string DefaultPicturesFolder() {
    const std::string tintwell = UserTintwellFolder();
    return Join(tintwell.empty() ? CurrentFolder() : tintwell, "Pictures");
}

void Tell(const std::string& text, UINT icon) { MessageBoxA(nullptr, text.c_str(), kCaption, MB_OK | icon); }

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    std::string pageFolder = __argc > 1 ? __argv[1] : CurrentFolder();
    const std::string pictures = __argc > 2 ? __argv[2] : DefaultPicturesFolder();

    std::vector<PageFolder> folders = FindPageFolders(pageFolder);
    const std::string tintwell = UserTintwellFolder();
    if (folders.empty() && __argc <= 1 && !tintwell.empty()) {
        pageFolder = tintwell;
        folders = FindPageFolders(pageFolder);
    }
    if (folders.empty()) {
        Tell("There are no Tintwell pages in " + pageFolder + ", so there are no pictures to save.",
             MB_ICONINFORMATION);
        return 1;
    }

    if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {
        Tell("The pictures cannot be saved: Windows could not start its picture services.", MB_ICONERROR);
        return 2;
    }
    Outcome outcome;
    bool imaging;
    {
        ScopedCom<IWICImagingFactory> factory;
        imaging = SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                             IID_IWICImagingFactory, reinterpret_cast<void**>(factory.out())));
        if (imaging)
            for (const PageFolder& folder : folders) SaveFolder(factory.get(), folder, pictures, outcome);
    }  // released before COM is shut down
    CoUninitialize();
    if (!imaging) {
        Tell("The pictures cannot be saved: the Windows Imaging Component is missing.", MB_ICONERROR);
        return 2;
    }

    if (!outcome.unreadable.empty())
        Tell("These page files could not be read, so they were skipped and left as they are:" +
                 ListOf(outcome.unreadable),
             MB_ICONWARNING);
    if (!outcome.unsaved.empty())
        Tell("These pictures could not be saved in " + pictures + ":" + ListOf(outcome.unsaved), MB_ICONERROR);
    if (outcome.saved == 0 && outcome.unsaved.empty()) {
        Tell("No page in " + pageFolder + " has been coloured yet, so there are no pictures to save.",
             MB_ICONINFORMATION);
        return outcome.unreadable.empty() ? 1 : 2;
    }
    if (outcome.saved > 0) ShellExecuteA(nullptr, "open", pictures.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    return outcome.unreadable.empty() && outcome.unsaved.empty() ? 0 : 2;
}
