#include "tests/printer/virtual_printer.h"

#include <windows.h>
#include <winspool.h>

namespace testprinter {

namespace {

const char kSpoolerKey[] = "Software\\Wine\\Printing\\Spooler";
const char kPort[] = "LPT1:";

std::string LastError(const char* what) { return std::string(what) + " failed: error " + std::to_string(GetLastError()); }

std::string FileName(const std::string& path) {
    const size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

bool Exists() {
    HANDLE printer = nullptr;
    if (!OpenPrinterA(const_cast<char*>(kPrinterName), &printer, nullptr)) return false;
    ClosePrinter(printer);
    return true;
}

std::string Install(const std::string& ppdPath, const std::string& jobDestination) {
    if (!SetJobDestination(jobDestination)) return LastError("setting the LPT1: destination");
    if (!Exists()) {
        char driverDir[MAX_PATH];
        DWORD needed = 0;
        if (!GetPrinterDriverDirectoryA(nullptr, nullptr, 1, reinterpret_cast<BYTE*>(driverDir), sizeof driverDir,
                                        &needed))
            return LastError("GetPrinterDriverDirectory");
        const std::string ppdName = FileName(ppdPath);
        if (!CopyFileA(ppdPath.c_str(), (std::string(driverDir) + "\\" + ppdName).c_str(), FALSE))
            return LastError("copying the PPD");

        DRIVER_INFO_3A driver = {};
        driver.cVersion = 3;
        driver.pName = const_cast<char*>(kPrinterName);
        driver.pDriverPath = const_cast<char*>("wineps.drv");
        driver.pConfigFile = const_cast<char*>("wineps.drv");
        driver.pDataFile = const_cast<char*>(ppdName.c_str());
        driver.pDefaultDataType = const_cast<char*>("RAW");
        if (!AddPrinterDriverA(nullptr, 3, reinterpret_cast<BYTE*>(&driver))) return LastError("AddPrinterDriver");

        PRINTER_INFO_2A info = {};
        info.pPrinterName = const_cast<char*>(kPrinterName);
        info.pPortName = const_cast<char*>(kPort);
        info.pDriverName = const_cast<char*>(kPrinterName);
        info.pPrintProcessor = const_cast<char*>("WinPrint");
        info.pDatatype = const_cast<char*>("RAW");
        info.Attributes = PRINTER_ATTRIBUTE_LOCAL;
        HANDLE printer = AddPrinterA(nullptr, 2, reinterpret_cast<BYTE*>(&info));
        if (!printer) return LastError("AddPrinter");
        ClosePrinter(printer);
    }
    if (!SetDefaultPrinterA(kPrinterName)) return LastError("SetDefaultPrinter");
    return "";
}

bool Remove() {
    PRINTER_DEFAULTSA defaults = {nullptr, nullptr, PRINTER_ALL_ACCESS};
    HANDLE printer = nullptr;
    if (!OpenPrinterA(const_cast<char*>(kPrinterName), &printer, &defaults)) return !Exists();
    DeletePrinter(printer);
    ClosePrinter(printer);
    return !Exists();
}

std::string JobDestination() {
    char value[MAX_PATH * 2] = "";
    DWORD size = sizeof value - 1;
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kSpoolerKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return "";
    DWORD type = 0;
    if (RegQueryValueExA(key, kPort, nullptr, &type, reinterpret_cast<BYTE*>(value), &size) != ERROR_SUCCESS)
        value[0] = 0;
    RegCloseKey(key);
    return value;
}

bool SetJobDestination(const std::string& destination) {
    HKEY key;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, kSpoolerKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) !=
        ERROR_SUCCESS)
        return false;
    const LONG result = RegSetValueExA(key, kPort, 0, REG_SZ, reinterpret_cast<const BYTE*>(destination.c_str()),
                                       DWORD(destination.size() + 1));
    RegCloseKey(key);
    return result == ERROR_SUCCESS;
}

}  // namespace testprinter
