#include "app/Hotkeys_win.h"

#include <memory>
#include <vector>

#include "app/AppContext_win.h"
#include "app/HotkeyValue.h"
#include "app/LauncherHost_win.h"
#include "app/Messages.h"
#include "app/OptionRecord.h"
#include "app/Subsystems_win.h"
#include "resources/ResourceIds.h"

namespace {

struct HotkeySlot {
    int slot;
    int value;
    unsigned modifiers;
    unsigned virtualKey;
    int action;
};

std::vector<HotkeySlot>& HotkeyList()
{
    static std::vector<HotkeySlot> list;
    return list;
}

bool g_hotkeysEnabled = true;

void SendCommand(unsigned id)
{
    SendMessageA(Windows().main, WM_COMMAND, id, 0);
}

void SendTray(WPARAM selector, LPARAM mouse)
{
    SendMessageA(Windows().main, UM_TRAYICON, selector, mouse);
}

void RunAction(int action)
{
    switch (action) {
    case HOTKEY_OPEN_LAUNCHER: OpenLauncher(); break;
    case HOTKEY_SEARCH_CLIPBOARD: SearchClipboard(); break;
    case HOTKEY_TRANSLATE: SendCommand(IDM_TRANSLATE); break;
    case HOTKEY_TRANSLATE_CLIPBOARD: SendCommand(IDM_TRANSLATECLIP); break;
    case HOTKEY_MINIBROWSER: SendCommand(IDM_STARTMINIBROWSER); break;
    default: break;
    }
}

} // namespace

int RegisterHotkeySlot(int value, int previous, int slot, int action)
{
    if (previous != 0)
        UnregisterHotkeyValue(previous);
    if (value == 0)
        return 0;
    HotkeySlot record{slot, value, HotkeyModifiers(value), HotkeyVirtualKey(value), action};
    RegisterHotKey(Windows().main, HOTKEY_ID_BASE + slot, record.modifiers, record.virtualKey);
    HotkeyList().push_back(record);
    return static_cast<int>(HotkeyList().size());
}

bool UnregisterHotkeyValue(int value)
{
    auto& list = HotkeyList();
    for (auto it = list.begin(); it != list.end(); ++it) {
        if (it->value == value) {
            UnregisterHotKey(Windows().main, HOTKEY_ID_BASE + it->slot);
            list.erase(it);
            return true;
        }
    }
    return false;
}

void UnregisterAllHotkeys()
{
    auto& list = HotkeyList();
    while (!list.empty()) {
        UnregisterHotKey(Windows().main, HOTKEY_ID_BASE + list.back().slot);
        list.pop_back();
    }
}

void RegisterStartupHotkeys()
{
    const OptionRecord& o = Options();
    RegisterHotkeySlot(o.Hotkey, 0, 1, HOTKEY_OPEN_LAUNCHER);
    RegisterHotkeySlot(o.HotkeyClipboard, 0, 2, HOTKEY_SEARCH_CLIPBOARD);
    RegisterHotkeySlot(o.HotkeyTranslate, 0, 3, HOTKEY_TRANSLATE);
    RegisterHotkeySlot(o.HotkeyClipboardTranslate, 0, 4, HOTKEY_TRANSLATE_CLIPBOARD);
    RegisterHotkeySlot(o.HotkeyMiniBrowser, 0, 5, HOTKEY_MINIBROWSER);
}

void SetHotkeysEnabled(bool enabled)
{
    g_hotkeysEnabled = enabled;
}

bool HotkeysEnabled()
{
    return g_hotkeysEnabled;
}

int HotkeyCount()
{
    return static_cast<int>(HotkeyList().size());
}

void OnHotkeyMessage(unsigned modifiers, unsigned virtualKey)
{
    if (!g_hotkeysEnabled)
        return;
    // Matching is by combination, so two slots holding one combination both run. The list is
    // copied: an action may open the options sheet, which changes the list.
    std::vector<HotkeySlot> list = HotkeyList();
    for (const HotkeySlot& record : list)
        if (record.modifiers == modifiers && record.virtualKey == virtualKey)
            RunAction(record.action);
}

void RunClickCommand(int number)
{
    switch (number) {
    case 1: SendCommand(IDM_OPEN); break;
    case 2: SendTray(0, kTrayRightUp); break;
    case 3: SendTray(kMenuTypedAddresses, kTrayRightUp); break;
    case 4: SendTray(kMenuEngines, kTrayRightUp); break;
    case 5: SendCommand(IDM_TRANSLATE); break;
    case 6: SearchClipboard(); break;
    case 7: OpenFavoriteEngineHome(); break;
    case 8: SendTray(kMenuFavorites, kTrayRightUp); break;
    case 9:
        App().launched.CloseAll();
        CloseBrowserWindows();
        break;
    case 10: App().launched.CloseAll(); break;
    case 11: SendCommand(IDM_STARTMINIBROWSER); break;
    case 12: SendCommand(IDM_CHECK_LINKS); break;
    case 13: SendCommand(IDM_OPEN_WEBALERT); break;
    default: break;
    }
}
