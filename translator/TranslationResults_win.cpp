#include "translator/TranslationResults_win.h"

#include <commctrl.h>

#include "app/Dialog_win.h"
#include "app/ResourceLoader_win.h"
#include "app/WinHandles_win.h"
#include "chrome/Skin_win.h"
#include "resources/ResourceIds.h"
#include "translator/TranslatorSettings.h"
#include "translator/TranslatorTools_win.h"
#include "translator/ZoomDialog_win.h"

namespace {

struct Column {
    UINT title;
    int width;
};
const Column kColumns[] = {{IDS_COL_SERVICE_NAME, 120}, {IDS_COL_TRANSLATED, 500}, {IDS_COL_STATUS, 60}};

class ResultsDialog : public Dialog {
public:
    ResultsDialog(const std::vector<TranslationResult>& results, const std::string& sourceText,
                  const std::string& pairName)
        : Dialog(IDD_TRANSLATE_RESULTS, "traduction", "tradlist"), results_(results), sourceText_(sourceText), pairName_(pairName)
    {
    }

protected:
    bool OnInit() override
    {
        ApplyDialogSkin(Window());
        SetWindowTextA(Window(), LoadText(IDS_RESULTS_TITLE).c_str());
        ok_ = LoadText(IDS_STATUS_OK);
        error_ = LoadText(IDS_STATUS_ERROR);
        FillList();
        int answered = 0;
        for (const TranslationResult& r : results_)
            answered += r.failed ? 0 : 1;
        SetDlgItemTextA(Window(), IDC_RESULTS_COUNT, FormatText(IDS_RESULTS_COUNT, answered).c_str());
        SetDlgItemTextA(Window(), IDC_RESULTS_SOURCE, sourceText_.c_str());
        SetDlgItemTextA(Window(), IDC_RESULTS_PAIR, pairName_.c_str());
        SetChecked(Window(), IDC_TR_CLOSE_AFTER, Translator().closeAfterCommand2 != 0);
        AddTip(Window(), IDC_TR_COPY, IDS_TIP_COPY_TRANSLATED);
        AddTip(Window(), IDC_TR_SEARCH, IDS_TIP_SEARCH_TRANSLATED);
        AddTip(Window(), IDCANCEL, IDS_TIP_CLOSE_WINDOW);
        AddTip(Window(), IDC_TR_ZOOM, IDS_TIP_ZOOM);
        FocusAtStart(Window(), IDC_RESULTS_SOURCE);
        return false;
    }

    void OnDestroy() override
    {
        RemoveTips(Window(), {IDC_TR_COPY, IDC_TR_SEARCH, IDCANCEL, IDC_TR_ZOOM});
    }

    bool OnCommand(int id, int, HWND) override
    {
        switch (id) {
        case IDC_TR_SEARCH:
        case ID_RESULTS_SEARCH:
            Search();
            return true;
        case IDC_TR_COPY:
        case ID_RESULTS_COPY:
            Copy();
            return true;
        case IDC_TR_ZOOM:
        case ID_RESULTS_ZOOM:
            Zoom();
            return true;
        case ID_RESULTS_CLOSE:
        case IDCANCEL:
            End(0);
            return true;
        default:
            return false;
        }
    }

    INT_PTR OnNotify(NMHDR* header) override
    {
        if (header->idFrom != IDC_RESULTS_LIST)
            return 0;
        switch (header->code) {
        case LVN_GETDISPINFOA:
            SupplyText(reinterpret_cast<NMLVDISPINFOA*>(header)->item);
            return 0;
        case LVN_ITEMACTIVATE:
            Zoom();
            return 0;
        case NM_RCLICK:
            ShowContextMenu();
            return 0;
        default:
            return 0;
        }
    }

private:
    HWND List() const { return Item(IDC_RESULTS_LIST); }

    void FillList()
    {
        HWND list = List();
        ListView_SetExtendedListViewStyle(list, LVS_EX_FULLROWSELECT | LVS_EX_TWOCLICKACTIVATE |
                                                    LVS_EX_UNDERLINEHOT | LVS_EX_FLATSB);
        for (int i = 0; i < 3; ++i) {
            std::string title = LoadText(kColumns[i].title);
            LVCOLUMNA column = {};
            column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
            column.cx = kColumns[i].width;
            column.pszText = &title[0];
            column.iSubItem = i;
            SendMessageA(list, LVM_INSERTCOLUMNA, i, reinterpret_cast<LPARAM>(&column));
        }
        for (std::size_t i = 0; i < results_.size(); ++i) {
            LVITEMA item = {};
            item.mask = LVIF_TEXT;
            item.iItem = static_cast<int>(i);
            item.pszText = LPSTR_TEXTCALLBACKA;
            SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
        }
    }

    void SupplyText(LVITEMA& item)
    {
        if (!(item.mask & LVIF_TEXT) || item.iItem < 0 || static_cast<std::size_t>(item.iItem) >= results_.size())
            return;
        const TranslationResult& r = results_[static_cast<std::size_t>(item.iItem)];
        const std::string& text = item.iSubItem == 0 ? r.serviceName
                                  : item.iSubItem == 1 ? r.text
                                                       : (r.failed ? error_ : ok_);
        if (item.pszText && item.cchTextMax > 0)
            lstrcpynA(item.pszText, text.c_str(), item.cchTextMax);
    }

    const TranslationResult* Selected() const
    {
        int row = static_cast<int>(SendMessageA(List(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
        if (row < 0 || static_cast<std::size_t>(row) >= results_.size())
            return nullptr;
        return &results_[static_cast<std::size_t>(row)];
    }

    void Search()
    {
        const TranslationResult* row = Selected();
        if (!row)
            return;
        Translator().closeAfterCommand2 = IsChecked(Window(), IDC_TR_CLOSE_AFTER) ? 1 : 0;
        SearchWithText(row->text);
        CloseIfAsked();
    }

    void Copy()
    {
        const TranslationResult* row = Selected();
        if (!row)
            return;
        Translator().closeAfterCommand2 = IsChecked(Window(), IDC_TR_CLOSE_AFTER) ? 1 : 0;
        SetDlgItemTextA(Window(), IDC_RESULTS_CLIPBOARD, row->text.c_str());
        CopyEditText(Item(IDC_RESULTS_CLIPBOARD));
        CloseIfAsked();
    }

    void Zoom()
    {
        if (const TranslationResult* row = Selected())
            ShowZoom(Window(), row->serviceName, row->text, row->failed);
    }

    void CloseIfAsked()
    {
        if (Translator().closeAfterCommand2)
            End(Translator().closeAfterCommand2);
    }

    void ShowContextMenu()
    {
        UniqueMenu menu(LoadMenuInLanguage(IDR_RESULTS_MENU));
        HMENU popup = menu ? GetSubMenu(menu.Get(), 0) : nullptr;
        if (!popup)
            return;
        POINT at = {};
        GetCursorPos(&at);
        TrackPopupMenu(popup, TPM_LEFTALIGN | TPM_RIGHTBUTTON, at.x, at.y, 0, Window(), nullptr);
        // Lets the menu close properly before anything else happens.
        PostMessageA(Window(), WM_NULL, 0, 0);
    }

    const std::vector<TranslationResult>& results_;
    std::string sourceText_;
    std::string pairName_;
    std::string ok_;
    std::string error_;
};

}  // namespace

INT_PTR ShowTranslationResults(HWND owner, const std::vector<TranslationResult>& results,
                               const std::string& sourceText, const std::string& pairName)
{
    ResultsDialog dialog(results, sourceText, pairName);
    INT_PTR result = dialog.RunModal(owner);
    return result < 0 ? 0 : result;
}
