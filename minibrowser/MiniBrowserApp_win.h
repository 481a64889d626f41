#pragma once
// The mini browser's frames as one: the main frame made at start-up and kept until shut-down,
// the further frames in their creation order, and the operations the other windows ask for.
#include <string>
#include <vector>

class MiniBrowserFrame;

// At most this many further frames are open at once: a page that opens windows in a loop
// gets its requests cancelled past it, instead of exhausting the desktop's windows.
constexpr std::size_t kMaxFurtherFrames = 60;

class MiniBrowserApp {
public:
    static MiniBrowserApp& Get();

    // Starts OLE on this thread and makes the hidden main frame; false when no window could be
    // made.
    bool CreateMainFrame();
    // Destroys every further frame, then the main frame (which saves its place).
    void DestroyAll();

    MiniBrowserFrame* MainFrame() const { return main_; }
    const std::vector<MiniBrowserFrame*>& FurtherFrames() const { return further_; }
    // The main frame first, then the further ones.
    std::vector<MiniBrowserFrame*> AllFrames() const;

    // Navigates the main frame, shows it from the tray and brings it forward.
    void Open(const std::string& address, int cacheFlag);
    // A visible main frame navigates (restored if minimised); otherwise Open.
    void Show(const std::string& address, int cacheFlag);
    void Activate();
    bool Opened() const { return opened_; }
    // "about:blank" for an opened frame without an address; empty before the first opening.
    std::string CurrentAddress() const;

    // A further frame placed beside `from` (or the main frame), shown, navigated to address
    // when it is not empty; null past kMaxFurtherFrames or when no window could be made.
    MiniBrowserFrame* OpenFurtherFrame(MiniBrowserFrame* from, const std::string& address);
    void CloseAll();
    void MinimiseAll();
    // Activates the frame before or after `from`, wrapping at both ends.
    void ActivateNeighbour(MiniBrowserFrame* from, bool next);

    // A frame's window is gone.
    void Forget(MiniBrowserFrame* frame);

private:
    MiniBrowserApp() = default;

    MiniBrowserFrame* main_ = nullptr;
    std::vector<MiniBrowserFrame*> further_;
    bool opened_ = false;
    bool oleStarted_ = false;
};
