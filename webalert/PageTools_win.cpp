#include "webalert/PageTools_win.h"

#include <shellapi.h>

#include <cstring>

#include "app/AppContext_win.h"
#include "app/MessageBox_win.h"
#include "app/OptionRecord.h"
#include "app/ResourceLoader_win.h"
#include "app/Subsystems_win.h"
#include "launcher/InterpretInput.h"
#include "launcher/ProgramLaunchExecutor_win.h"
#include "resources/ResourceIds.h"
#include "webalert/CompareWindow_win.h"
#include "webalert/MonitorRules.h"
#include "webalert/PageFiles.h"
#include "webalert/WebAlert_win.h"
#include "webalert/Win32PageFiles_win.h"

namespace {

std::string DataFolder()
{
    return App().dataFolder + "\\";
}

std::string ProgramFolder()
{
    const std::string& path = App().programPath;
    const std::size_t slash = path.find_last_of('\\');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

} // namespace

void OpenPageLink(const MonitoredPage& page, bool newWindow)
{
    const OptionRecord& o = Options();
    if (newWindow && o.UseMiniBrowserWebAlert)
        ShowInNewMiniBrowser(page.urlString.c_str());
    else
        Perform(OpenAddress(page.urlString, o.UseMiniBrowserWebAlert, FreshLaunchContext()), ProgramExecutor());
}

void ComparePageCopies(HWND owner, const MonitoredPage& page)
{
    const std::string current = CurrentCopyPath(DataFolder(), page.name);
    const std::string previous = PreviousCopyPath(DataFolder(), page.name);
    if (current.empty())
        return;
    // Copies under fixed names: every comparison shows the same two file names. The old ones
    // go first, so that a page without a previous copy is not compared with another page's.
    const std::string scratch = DataFolder() + "Windiff";
    CreateDirectoryA(scratch.c_str(), nullptr);
    const std::string shownCurrent = scratch + "\\" + kCurrentCopyName;
    const std::string shownPrevious = scratch + "\\" + kPreviousCopyName;
    DeleteFileA(shownCurrent.c_str());
    DeleteFileA(shownPrevious.c_str());
    CopyFileA(current.c_str(), shownCurrent.c_str(), FALSE);
    CopyFileA(previous.c_str(), shownPrevious.c_str(), FALSE);
    const std::string windiff = ProgramFolder() + "WinDiff\\WinDiff.Exe";
    if (GetFileAttributesA(windiff.c_str()) != INVALID_FILE_ATTRIBUTES) {
        const std::string arguments = "\"" + shownCurrent + "\" \"" + shownPrevious + "\"";
        ShellExecuteA(owner, "open", windiff.c_str(), arguments.c_str(), nullptr, SW_SHOWNORMAL);
        return;
    }
    ShowPageComparison(owner, page.name, shownPrevious, shownCurrent);
}

void ShowPageSource(HWND owner, const MonitoredPage& page)
{
    const std::string current = CurrentCopyPath(DataFolder(), page.name);
    if (current.empty())
        return;
    const std::string argument = "\"" + current + "\"";
    ShellExecuteA(owner, "open", "NOTEPAD.EXE", argument.c_str(), nullptr, SW_SHOWNORMAL);
}

void CopyPageLink(HWND owner, const MonitoredPage& page)
{
    if (!OpenClipboard(owner))
        return;
    EmptyClipboard();
    const std::string& text = page.urlString;
    if (HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1)) {
        if (void* bytes = GlobalLock(memory)) {
            std::memcpy(bytes, text.c_str(), text.size() + 1);
            GlobalUnlock(memory);
            if (!SetClipboardData(CF_TEXT, memory))
                GlobalFree(memory);
        } else {
            GlobalFree(memory);
        }
    }
    CloseClipboard();
}

void MailPageNotice(HWND owner, const MonitoredPage& page)
{
    const std::string command = MailCommandLine(LoadText(IDS_MAIL_DETAILED), page.name, page.urlString,
                                                page.DisplayDate(WebAlertFrench()), page.changeTime);
    ShellExecuteA(owner, "open", command.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

bool RenamePageCopies(HWND owner, const std::string& oldName, const std::string& newName)
{
    Win32PageFiles files;
    if (MovePageCopies(files, DataFolder(), oldName, newName))
        return true;
    std::string folder = PageFolderPath(DataFolder(), newName);
    if (folder.empty())
        folder = DataFolder() + newName;
    std::string text = LoadText(IDS_RENAME_FAILED);
    const std::size_t slot = text.find("%s");
    if (slot != std::string::npos)
        text.replace(slot, 2, folder);
    MessageBoxText(owner, text.c_str(), MB_OK | MB_ICONEXCLAMATION);
    return false;
}
