#pragma once
// Optional system libraries, looked up at each use: visual themes, layered windows and
// gradient fills. When a library or entry point is missing the operation does nothing and
// reports 0.
#include <windows.h>

bool ThemeAvailable();
bool ThemeActive();
// Draws part/state of theme class "EXPLORERBAR", "TASKBAND" (state always 5) or "WINDOW".
bool DrawThemedPart(HWND window, HDC dc, const char* themeClass, int part, int state, const RECT& rect);

// Layered transparency: alpha (200 - 2 * level) modulo 256; level 10 gives 180.
bool MakeTransparent(HWND window, int level);
void MakeOpaque(HWND window);

BOOL GradientFillOptional(HDC dc, TRIVERTEX* vertices, ULONG vertexCount, void* mesh, ULONG meshCount, ULONG mode);

void DrawBitmapAt(HDC dc, int x, int y, HBITMAP bitmap);
void DrawBitmapCentred(HDC dc, HBITMAP bitmap, const RECT& rect);

// Marks a menu item as the default one (bold); item 0 does nothing and succeeds.
bool SetDefaultMenuItem(HMENU menu, UINT item, bool byPosition);
