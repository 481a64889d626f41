#include "minibrowser/MiniBrowserApp_win.h"

#include <windows.h>
#include <ole2.h>

#include <algorithm>

#include "app/OptionRecord.h"
#include "app/AppContext_win.h"
#include "app/WindowPlacement_win.h"
#include "minibrowser/BrowserEmulation_win.h"
#include "minibrowser/MiniBrowserFrame_win.h"
#include "minibrowser/PageRules.h"

namespace {

minibrowser::ScreenFacts Screen()
{
    minibrowser::ScreenFacts s;
    s.width = GetSystemMetrics(SM_CXSCREEN);
    s.height = GetSystemMetrics(SM_CYSCREEN);
    s.fullScreenWidth = GetSystemMetrics(SM_CXFULLSCREEN);
    RECT work = WorkAreaOf(nullptr);
    s.workLeft = work.left;
    s.workTop = work.top;
    s.workRight = work.right;
    s.workBottom = work.bottom;
    return s;
}

void Restore(HWND window)
{
    if (IsIconic(window))
        ShowWindow(window, SW_RESTORE);
}

} // namespace

MiniBrowserApp& MiniBrowserApp::Get()
{
    static MiniBrowserApp app;
    return app;
}

bool MiniBrowserApp::CreateMainFrame()
{
    if (main_)
        return true;
    if (!oleStarted_)
        oleStarted_ = SUCCEEDED(OleInitialize(nullptr));
    RegisterBrowserEmulation();
    const OptionRecord& o = Options();
    main_ = MiniBrowserFrame::Create(false, minibrowser::InitialFrameBox(o.MiniBrowserPos, o.MiniBrowserSavePos != 0, Screen()));
    if (!main_)
        return false;
    main_->SetOnTop(o.MiniBrowserOnTopSave != 0);
    return true;
}

void MiniBrowserApp::DestroyAll()
{
    while (!further_.empty()) {
        MiniBrowserFrame* frame = further_.back();
        further_.pop_back();
        DestroyWindow(frame->Window());
    }
    if (main_)
        DestroyWindow(main_->Window());
    main_ = nullptr;
    opened_ = false;
}

std::vector<MiniBrowserFrame*> MiniBrowserApp::AllFrames() const
{
    std::vector<MiniBrowserFrame*> all;
    if (main_)
        all.push_back(main_);
    all.insert(all.end(), further_.begin(), further_.end());
    return all;
}

void MiniBrowserApp::Open(const std::string& address, int cacheFlag)
{
    if (!main_)
        return;
    main_->Navigate(address, cacheFlag);
    Restore(main_->Window());
    ShowFromTray(main_->Window());
    main_->ApplyOnTop();
    opened_ = true;
}

void MiniBrowserApp::Show(const std::string& address, int cacheFlag)
{
    if (main_ && IsWindowVisible(main_->Window())) {
        main_->Navigate(address, cacheFlag);
        Restore(main_->Window());
        main_->ApplyOnTop();
        opened_ = true;
        return;
    }
    Open(address, cacheFlag);
}

void MiniBrowserApp::Activate()
{
    if (!main_)
        return;
    HWND window = main_->Window();
    if (IsIconic(window)) {
        ShowWindow(window, SW_RESTORE);
    } else {
        ShowWindow(window, SW_SHOW);
        ForceForeground(window);
    }
    main_->ApplyOnTop();
}

std::string MiniBrowserApp::CurrentAddress() const
{
    if (!opened_ || !main_)
        return std::string();
    const std::string& address = main_->CurrentAddress();
    return address.empty() ? std::string("about:blank") : address;
}

MiniBrowserFrame* MiniBrowserApp::OpenFurtherFrame(MiniBrowserFrame* from, const std::string& address)
{
    if (further_.size() >= kMaxFurtherFrames)
        return nullptr;
    if (!from)
        from = main_;
    minibrowser::FrameBox box;
    if (from) {
        RECT r = {};
        GetWindowRect(from->Window(), &r);
        box = minibrowser::FurtherFrameBox({r.left, r.top, r.right - r.left, r.bottom - r.top});
    } else {
        box = minibrowser::DefaultFrameBox(Screen());
    }
    MiniBrowserFrame* frame = MiniBrowserFrame::Create(true, box);
    if (!frame)
        return nullptr;
    further_.push_back(frame);
    if (IWebBrowser2* browser = frame->Host().Browser())
        browser->put_RegisterAsBrowser(VARIANT_TRUE);
    frame->SetOnTop(Options().MiniBrowserOnTopSave != 0);
    ShowWindow(frame->Window(), SW_SHOW);
    SetForegroundWindow(frame->Window());
    if (!address.empty())
        frame->Navigate(address, 0);
    return frame;
}

void MiniBrowserApp::CloseAll()
{
    std::vector<MiniBrowserFrame*> further = further_;
    for (MiniBrowserFrame* frame : further)
        DestroyWindow(frame->Window());
    if (main_)
        main_->Close();
}

void MiniBrowserApp::MinimiseAll()
{
    for (MiniBrowserFrame* frame : further_)
        ShowWindow(frame->Window(), SW_MINIMIZE);
    if (main_)
        ShowWindow(main_->Window(), SW_MINIMIZE);
}

void MiniBrowserApp::ActivateNeighbour(MiniBrowserFrame* from, bool next)
{
    const std::vector<MiniBrowserFrame*> all = AllFrames();
    const auto at = std::find(all.begin(), all.end(), from);
    const std::size_t index = at == all.end() ? 0 : static_cast<std::size_t>(at - all.begin());
    const std::size_t to = minibrowser::NeighbourFrame(all.size(), index, next);
    if (to >= all.size())
        return;
    HWND window = all[to]->Window();
    if (IsIconic(window))
        ShowWindow(window, SW_RESTORE);
    else
        ShowWindow(window, SW_SHOW);
    ForceForeground(window);
}

void MiniBrowserApp::Forget(MiniBrowserFrame* frame)
{
    further_.erase(std::remove(further_.begin(), further_.end(), frame), further_.end());
    if (frame == main_) {
        main_ = nullptr;
        opened_ = false;
    }
}
