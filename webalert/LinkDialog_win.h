#pragma once
// The dialogs over one watched page and the comparison options, and the options sheet's
// WebAlert page.
#include <windows.h>

#include <functional>
#include <memory>
#include <string_view>

#include "app/PropertyPage_win.h"
#include "webalert/MonitoredPage.h"

// How the Add/Edit dialog treats its page.
enum LinkDialogMode {
    kLinkEdit = 0,          // edit in place, no uniqueness check
    kLinkAddLive = 1,       // add to the live list (name unique there)
    kLinkAddWorking = 2,    // add to the options page's working list (name unique there)
};

// The Add/Edit link dialog (188) on page; IDOK or IDCANCEL. In mode kLinkAddLive, OK also
// appends a copy to the live list, saves it and shows it in the monitor window.
INT_PTR LinkDialog(HWND owner, MonitoredPage& page, LinkDialogMode mode);
// The same, the names a new page may not take told by nameTaken (the options page's working
// list in mode kLinkAddWorking); in mode kLinkAddLive a null nameTaken means the live list.
INT_PTR LinkDialog(HWND owner, MonitoredPage& page, LinkDialogMode mode,
                   const std::function<bool(std::string_view)>& nameTaken);
// The comparison options (dialog 194); OK saves them at once.
INT_PTR AdvancedDialog(HWND owner);
// The options sheet's fourth page (dialog 187).
std::unique_ptr<PropertyPage> CreateWebAlertOptionsPage();
