#pragma once
// The update's windows: the progress window (152), the found (174) and ready (172) dialogs,
// the news window (175) and the settings dialog (151).
#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "update/UpdateRules.h"
#include "update/UpdateSite.h"

// Dialog 152: modeless, topmost, shown without activation at the bottom right of the work area,
// destroyed with the object.
class UpdateProgress {
public:
    explicit UpdateProgress(HWND owner);
    ~UpdateProgress();
    UpdateProgress(const UpdateProgress&) = delete;
    UpdateProgress& operator=(const UpdateProgress&) = delete;

    HWND Window() const;
    void SetStatus(const std::string& text);
    // Shows "New version" and the version text.
    void SetVersion(const std::string& version);
    void ShowBar(bool show);
    void SetBar(int percent);
    // Runs the messages waiting for the window and its controls.
    void Pump();
    bool CancelRequested() const;

private:
    class Window152;
    std::unique_ptr<Window152> window_;
};

// Dialog 174; true when the user chose OK.
bool AskToDownload(HWND owner, const std::string& version, std::int64_t size);

enum class ReadyChoice { Install, Later, Remove };
// Dialog 172. autoInstall shows and takes the check box; Remove is chosen only after the user
// confirmed string 1087.
ReadyChoice AskToInstall(HWND owner, const std::string& version, int& autoInstall);

// Dialog 175. showNews shows and takes the inverse of its check box. automatic: placed at the
// bottom right, brought forward, closed after 60 seconds, hidden into the tray on closing.
void RunNewsWindow(HWND owner, const NewsText& news, bool automatic, int& showNews);
// How long the automatic news window stays; tests shorten the second.
void SetNewsSecondForTests(UINT milliseconds);

// Dialog 151; true on OK, with the changed values in settings.
bool RunUpdateSettingsDialog(HWND owner, UpdateSettings& settings, const std::vector<InstalledVersion>& history,
                             int contentLanguage);

// Fills a report list view with the history: the three columns first when it has none.
void FillHistoryList(HWND list, const std::vector<InstalledVersion>& history, int contentLanguage);
