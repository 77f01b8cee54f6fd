#include "win32_system.h"

#include <windows.h>

#include <shlobj.h>

#include "win32_text.h"

namespace trailcfg::win32 {

std::uint16_t SystemDefaultLanguageId() { return GetSystemDefaultLangID(); }

bool CurrentDirectoryGbk(std::string& folder) {
    // The directory may change between asking for its length and reading
    // it; a few tries are plenty.
    for (int attempt = 0; attempt < 3; ++attempt) {
        const DWORD needed = GetCurrentDirectoryW(0, nullptr);
        if (needed == 0) return false;
        std::wstring path(needed, L'\0');
        const DWORD written = GetCurrentDirectoryW(needed, path.data());
        if (written == 0) return false;
        if (written >= needed) continue;
        path.resize(written);
        return SpellableInGbk(path, folder);
    }
    return false;
}

LocalTime LocalNow() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return LocalTime{now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond};
}

bool ChooseFolder(std::string& folder) {
    // The shell's dialog wants COM on this thread; S_FALSE (already there)
    // is balanced by CoUninitialize too.
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    wchar_t displayName[MAX_PATH] = L"";
    BROWSEINFOW info{};
    info.hwndOwner = GetForegroundWindow();
    info.pidlRoot = nullptr;
    info.pszDisplayName = displayName;
    info.lpszTitle = nullptr;
    info.ulFlags = BIF_RETURNONLYFSDIRS;
    bool chosen = false;
    if (PIDLIST_ABSOLUTE item = SHBrowseForFolderW(&info)) {
        wchar_t path[MAX_PATH] = L"";
        chosen = SHGetPathFromIDListW(item, path) && SpellableInGbk(path, folder);
        CoTaskMemFree(item);
    }
    if (SUCCEEDED(com)) CoUninitialize();
    return chosen;
}

}  // namespace trailcfg::win32
