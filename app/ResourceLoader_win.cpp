#include "app/ResourceLoader_win.h"


namespace {

LANGID g_language = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);
HINSTANCE g_module = nullptr;

const LANGID kFallback = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);

// The resource of the interface language, else the English one.
const void* FindInLanguage(LPCSTR type, LPCSTR name, DWORD* size)
{
    HINSTANCE module = ResourceModule();
    HRSRC found = FindResourceExA(module, type, name, g_language);
    if (!found)
        found = FindResourceExA(module, type, name, kFallback);
    if (!found)
        return nullptr;
    HGLOBAL loaded = LoadResource(module, found);
    if (!loaded)
        return nullptr;
    if (size)
        *size = SizeofResource(module, found);
    return LockResource(loaded);
}

} // namespace

void SetUiLanguage(LANGID language) { g_language = language; }
LANGID UiLanguage() { return g_language; }
int UiLocale() { return PRIMARYLANGID(g_language) == LANG_FRENCH ? 1036 : 1033; }

HINSTANCE ResourceModule() { return g_module ? g_module : GetModuleHandleA(nullptr); }
void SetResourceModule(HINSTANCE module) { g_module = module; }

std::string LoadText(UINT id, std::size_t maxChars)
{
    // A string table block holds 16 counted UTF-16 strings; block n + 1 holds ids 16n..16n+15.
    DWORD size = 0;
    const void* block = FindInLanguage(RT_STRING, MAKEINTRESOURCEA(id / 16 + 1), &size);
    if (!block)
        return std::string();
    const WCHAR* p = static_cast<const WCHAR*>(block);
    const WCHAR* end = p + size / sizeof(WCHAR);
    for (UINT i = 0; i < id % 16 && p < end; ++i)
        p += 1 + *p;
    if (p >= end || *p == 0)
        return std::string();
    int length = *p++;
    if (p + length > end)
        return std::string();
    int bytes = WideCharToMultiByte(CP_ACP, 0, p, length, nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<std::size_t>(bytes), '\0');
    WideCharToMultiByte(CP_ACP, 0, p, length, text.data(), bytes, nullptr, nullptr);
    if (text.size() > maxChars)
        text.resize(maxChars);
    return text;
}

HMENU LoadMenuInLanguage(UINT id)
{
    const void* menu = FindInLanguage(RT_MENU, MAKEINTRESOURCEA(id), nullptr);
    return menu ? LoadMenuIndirectA(menu) : nullptr;
}

const DLGTEMPLATE* DialogTemplateInLanguage(UINT id)
{
    return static_cast<const DLGTEMPLATE*>(FindInLanguage(RT_DIALOG, MAKEINTRESOURCEA(id), nullptr));
}

INT_PTR DialogBoxInLanguage(UINT id, HWND owner, DLGPROC proc, LPARAM param)
{
    const void* dialog = FindInLanguage(RT_DIALOG, MAKEINTRESOURCEA(id), nullptr);
    if (!dialog)
        return -1;
    return DialogBoxIndirectParamA(ResourceModule(), static_cast<LPCDLGTEMPLATEA>(dialog), owner, proc, param);
}

HWND CreateDialogInLanguage(UINT id, HWND owner, DLGPROC proc, LPARAM param)
{
    const void* dialog = FindInLanguage(RT_DIALOG, MAKEINTRESOURCEA(id), nullptr);
    if (!dialog)
        return nullptr;
    return CreateDialogIndirectParamA(ResourceModule(), static_cast<LPCDLGTEMPLATEA>(dialog), owner, proc, param);
}
