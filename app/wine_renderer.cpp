// Wine's DirectDraw draws through OpenGL by default. Once a window takes
// exclusive full-screen mode that way, Wine shows the window's own drawing
// but never its child windows, so the buttons and swatches stay invisible.
// With Wine's GDI renderer everything shows. Wine reads its per-program
// default, HKCU\Software\Wine\AppDefaults\<program file>\Direct3D "renderer",
// when ddraw.dll loads; this sets it to "gdi" unless the user has set it.
#include "app/wine_renderer.h"

#include <windows.h>

#include <cstring>

namespace {

bool RunningUnderWine() {
    HMODULE ntdll = GetModuleHandleA("ntdll.dll");
    return ntdll && GetProcAddress(ntdll, "wine_get_version");
}

}  // namespace

void PreferGdiRendererUnderWine() {
    if (!RunningUnderWine()) return;
    char path[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    if (length == 0 || length >= sizeof path) return;
    const char* slash = std::strrchr(path, '\\');
    const char* file = slash ? slash + 1 : path;

    char keyName[MAX_PATH + 64] = "Software\\Wine\\AppDefaults\\";
    std::strcat(keyName, file);
    std::strcat(keyName, "\\Direct3D");
    HKEY key;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, keyName, 0, nullptr, 0, KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr, &key,
                        nullptr) != ERROR_SUCCESS)
        return;
    if (RegQueryValueExA(key, "renderer", nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) {
        static const char kGdi[] = "gdi";
        RegSetValueExA(key, "renderer", 0, REG_SZ, reinterpret_cast<const BYTE*>(kGdi), sizeof kGdi);
    }
    RegCloseKey(key);
}
