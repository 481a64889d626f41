#include "app/SystemQueries_win.h"

#include <commdlg.h>

#include "app/BrowserCommand.h"
#include "app/PlatformRules.h"
#include "app/Registry_win.h"
#include "app/ResourceLoader_win.h"
#include "app/TextUtil.h"
#include "app/WinHandles_win.h"
#include "app/WinInetApi_win.h"
#include "resources/ResourceIds.h"

std::string DefaultBrowserProgram()
{
    static const char* const kKeys[] = {"htmlfile\\shell\\open\\command", "ftp\\shell\\open\\command",
                                        "htmlfile\\DefaultIcon"};
    for (const char* key : kKeys) {
        std::string command;
        if (RegReadString(HKEY_CLASSES_ROOT, key, nullptr, command))
            return Cut(BrowserProgramFromCommand(command), 255);
    }
    return std::string();
}

std::string BrowserProgramOrDefault()
{
    std::string program = DefaultBrowserProgram();
    return program.empty() ? std::string("iexplore.exe") : program;
}

bool IsOfflineMode()
{
    const WinInetApi* inet = WinInet();
    INTERNET_CONNECTED_INFO info = {};
    DWORD size = sizeof info;
    if (!inet || !inet->InternetQueryOptionA(nullptr, INTERNET_OPTION_CONNECTED_STATE, &info, &size))
        return false;
    return (info.dwConnectedState & INTERNET_STATE_DISCONNECTED_BY_USER) != 0;
}

bool IsConnected()
{
    const WinInetApi* inet = WinInet();
    DWORD flags = 0;
    return inet && inet->InternetGetConnectedState(&flags, 0) != FALSE;
}

bool ChooseOpenFile(HWND owner, std::string& path, int kind)
{
    std::string filter = FilterForDialog(LoadText(kind >= 1 && kind <= 3 ? IDS_WAV_FILTER : IDS_ALL_FILES_FILTER));
    std::string title = LoadText(IDS_OPEN_FILE_TITLE);
    char file[257] = {};
    CopyCut(file, sizeof file, path);
    std::string folder = path;

    OPENFILENAMEA ofn = {};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = filter.c_str();
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = file;
    ofn.nMaxFile = sizeof file;
    ofn.lpstrInitialDir = folder.c_str();
    ofn.lpstrTitle = title.c_str();
    ofn.Flags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_HIDEREADONLY;
    // The common dialogs are loaded when first asked for, not at start-up.
    using GetOpenFileNameFn = BOOL(WINAPI*)(LPOPENFILENAMEA);
    static HMODULE dialogs = LoadLibraryA("comdlg32.dll");
    auto getOpenFileName = dialogs ? reinterpret_cast<GetOpenFileNameFn>(
                                         reinterpret_cast<void*>(GetProcAddress(dialogs, "GetOpenFileNameA")))
                                   : nullptr;
    if (!getOpenFileName || !getOpenFileName(&ofn)) {
        path.clear();
        return false;
    }
    path = file;
    return true;
}
