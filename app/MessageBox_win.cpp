#include "app/MessageBox_win.h"

#include "app/AppContext_win.h"
#include "app/ResourceLoader_win.h"

int MessageBoxById(HWND owner, UINT stringId, UINT type)
{
    return MessageBoxText(owner, LoadText(stringId, 255).c_str(), type);
}

int MessageBoxText(HWND owner, const char* text, UINT type)
{
    return MessageBoxA(owner, text, App().appTitle.c_str(), type);
}
