#include "translator/TranslatorWindow_win.h"

#include <commctrl.h>

#include <memory>

#include "app/AppContext_win.h"
#include "app/Dialog_win.h"
#include "app/Messages.h"
#include "app/MessageBox_win.h"
#include "app/ResourceLoader_win.h"
#include "app/Subsystems_win.h"
#include "app/TextUtil.h"
#include "app/Win32Profile_win.h"
#include "app/WinHandles_win.h"
#include "app/WindowPlacement_win.h"
#include "chrome/Skin_win.h"
#include "launcher/LauncherLists_win.h"
#include "resources/ResourceIds.h"
#include "translator/TranslationResults_win.h"
#include "translator/TranslationRun.h"
#include "translator/TranslationServices.h"
#include "translator/TranslatorSettings.h"
#include "translator/TranslatorTools_win.h"
#include "translator/ZoomDialog_win.h"

namespace {

// Logos by service list index; the last one stands for all services.
const UINT kLogoIds[kAllServices + 1] = {IDB_LOGO_GOOGLE, IDB_LOGO_BABELFISH, IDB_LOGO_FREETRANSLATION,
                                         IDB_LOGO_VOILA, IDB_LOGO_ALL};
const UINT kServiceNames[kAllServices + 1] = {IDS_SERVICE_GOOGLE, IDS_SERVICE_BABELFISH, IDS_SERVICE_FREETRANSLATION,
                                              IDS_SERVICE_VOILA, IDS_SERVICE_ALL};
// The controls that act on an answer; disabled until one is shown.
const int kAnswerControls[] = {IDC_TR_SEARCH, IDC_TR_COPY, IDC_TR_ZOOM, IDC_TR_CLOSE_AFTER, IDC_TR_COMMAND_LABEL};
// The result box's text is read into 1024 characters.
constexpr std::size_t kResultReadChars = 1023;

class TranslatorWindow : public Dialog {
public:
    TranslatorWindow(HWND parent, const SavedEntry* entry) : Dialog(IDD_TRANSLATOR), parent_(parent), entry_(entry) {}

    HWND SourceBox() const { return Item(IDC_TR_SOURCE); }

protected:
    bool OnInit() override
    {
        Windows().translation = Window();
        ApplyDialogSkin(Window());
        SendMessageA(SourceBox(), EM_LIMITTEXT, kSourceBoxChars, 0);
        if (entry_)
            SetWindowTextA(SourceBox(), entry_->text.c_str());
        FillLists();
        AddTip(Window(), IDOK, IDS_TIP_TRANSLATE_GO);
        AddTip(Window(), IDCANCEL, IDS_TIP_CLOSE_WINDOW);
        AddTip(Window(), IDC_TR_SEARCH, IDS_TIP_SEARCH_TRANSLATED);
        AddTip(Window(), IDC_TR_COPY, IDS_TIP_COPY_TRANSLATED);
        SetChecked(Window(), IDC_TR_CLOSE_AFTER, Translator().closeAfterCommand != 0);
        if (!entry_ || parent_ == Windows().main)
            PlaceBottomRight(Window());
        for (int i = 0; i <= kAllServices; ++i)
            logos_[i].Reset(LoadBitmapA(ResourceModule(), MAKEINTRESOURCEA(kLogoIds[i])));
        SendMessageA(Window(), WM_COMMAND, MAKEWPARAM(IDC_TR_SERVICE, CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(Item(IDC_TR_SERVICE)));
        return true;
    }

    void OnDestroy() override
    {
        RemoveTips(Window(), {IDOK, IDCANCEL, IDC_TR_SEARCH, IDC_TR_COPY});
        ReleaseLogos();
        if (Windows().translation == Window())
            Windows().translation = nullptr;
    }

    bool OnCommand(int id, int code, HWND) override
    {
        switch (id) {
        case IDC_TR_SERVICE:
            if (code == CBN_SELCHANGE)
                ServiceChanged();
            return true;
        case IDOK:
            Go();
            return true;
        case IDC_TR_SEARCH:
            Translator().closeAfterCommand = IsChecked(Window(), IDC_TR_CLOSE_AFTER) ? 1 : 0;
            SearchWithText(SelectedOrWholeText(Item(IDC_TR_RESULT), kResultReadChars));
            CloseAfterCommand();
            return true;
        case IDC_TR_COPY:
            Translator().closeAfterCommand = IsChecked(Window(), IDC_TR_CLOSE_AFTER) ? 1 : 0;
            CopyEditText(Item(IDC_TR_RESULT));
            CloseAfterCommand();
            return true;
        case IDC_TR_ZOOM:
            ShowZoom(Window(), ItemText(Window(), IDC_TR_SERVICE, 255), ItemText(Window(), IDC_TR_RESULT, kResultReadChars),
                     false);
            return true;
        case IDC_TR_HELP:
            OpenHelpPage("traduction", "");
            return true;
        case IDCANCEL:
            Close(0);
            return true;
        default:
            return false;
        }
    }

    bool OnMessage(UINT message, WPARAM, LPARAM, INT_PTR& result) override
    {
        switch (message) {
        case UM_CLOSELAUNCHER:
            ReleaseLogos();
            result = TRUE;
            return true;
        case WM_HELP:
            OpenHelpPage("traduction", "");
            result = TRUE;
            return true;
        default:
            return false;
        }
    }

private:
    void FillLists()
    {
        HWND pairs = Item(IDC_TR_PAIR);
        for (int i = 0; i < kLanguagePairCount; ++i)
            SendMessageA(pairs, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(LoadText(IDS_PAIR_FIRST + i).c_str()));
        HWND services = Item(IDC_TR_SERVICE);
        for (UINT name : kServiceNames)
            SendMessageA(services, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(LoadText(name).c_str()));

        int pair = Translator().lastLanguage;
        int service = Translator().lastTranslator;
        bool showResult = entry_ && entry_->showResult;
        if (showResult) {
            pair = entry_->value;
            service = entry_->valueExt;
        }
        if (pair < 0 || pair >= kLanguagePairCount)
            pair = 0;
        if (service < 0 || service > kAllServices)
            service = 0;
        SendMessageA(pairs, CB_SETCURSEL, pair, 0);
        SendMessageA(services, CB_SETCURSEL, service, 0);
        if (showResult) {
            SetResult(entry_->secondText);
            EnableAnswerControls();
        }
    }

    int ServiceIndex() const { return static_cast<int>(SendDlgItemMessageA(Window(), IDC_TR_SERVICE, CB_GETCURSEL, 0, 0)); }
    int PairIndex() const { return static_cast<int>(SendDlgItemMessageA(Window(), IDC_TR_PAIR, CB_GETCURSEL, 0, 0)); }

    void ServiceChanged()
    {
        int service = ServiceIndex();
        HBITMAP logo = service >= 0 && service <= kAllServices ? logos_[service].Get() : nullptr;
        SendDlgItemMessageA(Window(), IDC_TR_LOGO, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(logo));
        EnableWindow(Item(IDC_TR_NO_CACHE), service != kAllServices);
    }

    void SetResult(const std::string& text) { SetDlgItemTextA(Window(), IDC_TR_RESULT, text.c_str()); }

    void EnableAnswerControls()
    {
        for (int id : kAnswerControls)
            EnableWindow(Item(id), TRUE);
    }

    void Go()
    {
        std::string text = Trim(ItemText(Window(), IDC_TR_SOURCE, kSourceReadChars));
        if (text.empty()) {
            MessageBoxById(Window(), IDS_ENTER_TEXT, MB_ICONERROR);
            return;
        }
        int service = ServiceIndex();
        int pair = PairIndex();
        if (service < 0)
            service = 0;
        if (pair < 0)
            pair = 0;
        TranslatorSettings& settings = Translator();
        settings.lastLanguage = pair;
        settings.lastTranslator = service;
        settings.closeAfterCommand = IsChecked(Window(), IDC_TR_CLOSE_AFTER) ? 1 : 0;
        bool all = service == kAllServices;

        if (!all && !IsChecked(Window(), IDC_TR_NO_CACHE)) {
            if (const SavedEntry* stored = StoredTranslation(TranslationHistory(), text, pair, service)) {
                SetResult(stored->secondText);
                EnableAnswerControls();
                return;
            }
        }

        HWND progress = Item(IDC_TR_PROGRESS);
        if (all) {
            SendMessageA(progress, PBM_SETRANGE, 0, MAKELPARAM(0, kAllServices - 1));
            SendMessageA(progress, PBM_SETPOS, 0, 0);
            ShowWindow(progress, SW_SHOW);
        }
        TranslationOutcome outcome = RunTranslation(Hooks(all), text, pair, service);
        SetResult(all ? std::string() : outcome.lastText);
        EnableAnswerControls();
        SetCursor(LoadCursor(nullptr, IDC_ARROW));
        StoreTranslation(TranslationHistory(), Settings(), text, pair, service, outcome);

        INT_PTR result = 0;
        if (all) {
            ShowWindow(progress, SW_HIDE);
            SetResult(std::string());
            result = ShowTranslationResults(Window(), outcome.results, ItemText(Window(), IDC_TR_SOURCE, kSourceReadChars),
                                            ItemText(Window(), IDC_TR_PAIR, 255));
        }
        if (result != 0) {
            settings.closeAfterCommand = IsChecked(Window(), IDC_TR_CLOSE_AFTER) ? 1 : 0;
            if (settings.closeAfterCommand)
                Close(result);
        }
    }

    TranslationRunHooks Hooks(bool all)
    {
        TranslationRunHooks hooks;
        hooks.failureText = LoadText(IDS_TRANSLATE_ERROR);
        hooks.serviceName = [this](int service) {
            std::string name(256, '\0');
            LRESULT length = SendDlgItemMessageA(Window(), IDC_TR_SERVICE, CB_GETLBTEXTLEN, service, 0);
            if (length <= 0 || length > 255)
                return std::string();
            SendDlgItemMessageA(Window(), IDC_TR_SERVICE, CB_GETLBTEXT, service, reinterpret_cast<LPARAM>(&name[0]));
            name.resize(static_cast<std::size_t>(length));
            return name;
        };
        hooks.beforeService = [this, all](int service, const std::string& name) {
            SetCursor(LoadCursor(nullptr, IDC_WAIT));
            SetResult(FormatText(IDS_PROCESSING, name.c_str()));
            if (all)
                SendDlgItemMessageA(Window(), IDC_TR_PROGRESS, PBM_SETPOS, service, 0);
            // The only repaint the window gets until the service has answered.
            RedrawWindow(Window(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        };
        hooks.makeProvider = [](int service, const std::string& source, int pair) {
            return CreateTranslationProvider(service, source, pair, &Settings());
        };
        return hooks;
    }

    void CloseAfterCommand()
    {
        if (Translator().closeAfterCommand)
            Close(IDOK);
    }

    void Close(INT_PTR result)
    {
        SendMessageA(Window(), UM_CLOSELAUNCHER, 0, 0);
        End(result);
    }

    void ReleaseLogos()
    {
        SendDlgItemMessageA(Window(), IDC_TR_LOGO, STM_SETIMAGE, IMAGE_BITMAP, 0);
        for (UniqueBitmap& logo : logos_)
            logo.Reset();
    }

    HWND parent_;
    const SavedEntry* entry_;
    UniqueBitmap logos_[kAllServices + 1];
};

}  // namespace

INT_PTR OpenTranslationWindow(HWND parent, const SavedEntry* entry)
{
    LoadTranslatorSettings(Settings(), Translator());
    TranslatorWindow window(parent, entry);
    INT_PTR result = window.RunModal(parent);
    Windows().translation = nullptr;
    SaveTranslatorSettings(Settings(), Translator());
    return result;
}

bool ShowTextInTranslationWindow(const std::string& text)
{
    HWND window = Windows().translation;
    if (!window || !IsWindow(window))
        return false;
    SetDlgItemTextA(window, IDC_TR_SOURCE, text.c_str());
    ForceForeground(window);
    return true;
}
