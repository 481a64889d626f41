// The translator's entry points for the main window. The translation window itself comes
// with the translator (issue #5); until then these open nothing.
#include "app/Subsystems_win.h"

void OpenTranslator(HWND) {}
void TranslateClipboard(HWND) {}
