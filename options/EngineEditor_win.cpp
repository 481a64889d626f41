#include "options/EngineEditor_win.h"

#include "app/Dialog_win.h"
#include "launcher/LinkEntry.h"
#include "options/OptionsControls_win.h"
#include "resources/ResourceIds.h"

namespace {

class EngineEditor : public Dialog {
public:
    explicit EngineEditor(LinkEntry& engine) : Dialog(IDD_ENGINE_EDITOR, "options2", "addurl"), engine_(engine) {}

protected:
    bool OnInit() override
    {
        HWND dialog = Window();
        SetLimitedText(dialog, IDC_EDITOR_NAME, engine_.name, kEngineTextChars);
        SetLimitedText(dialog, IDC_EDITOR_PATTERN, engine_.urlString, kEngineTextChars);
        SetLimitedText(dialog, IDC_EDITOR_BASE, engine_.urlBase, kEngineTextChars);
        SetCheck(dialog, IDC_EDITOR_ENABLE, engine_.enabled);
        return true;
    }

    void OnOk() override
    {
        HWND dialog = Window();
        std::string name = GetLimitedText(dialog, IDC_EDITOR_NAME, kEngineTextChars);
        std::string pattern = GetLimitedText(dialog, IDC_EDITOR_PATTERN, kEngineTextChars);
        // The first missing one of the two takes the focus; the dialog stays.
        int missing = name.empty() ? IDC_EDITOR_NAME : pattern.empty() ? IDC_EDITOR_PATTERN : 0;
        if (missing) {
            SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Item(missing)), TRUE);
            MessageBeep(MB_OK);
            return;
        }
        engine_.name = name;
        engine_.urlString = pattern;
        engine_.urlBase = GetLimitedText(dialog, IDC_EDITOR_BASE, kEngineTextChars);
        engine_.enabled = GetCheck(dialog, IDC_EDITOR_ENABLE);
        End(IDOK);
    }

private:
    LinkEntry& engine_;
};

} // namespace

INT_PTR EditEngine(HWND owner, LinkEntry& engine)
{
    EngineEditor editor(engine);
    return editor.RunModal(owner);
}
