#pragma once
// GetWindowSubclass, found at run time in the loaded comctl32. MinGW-w64's
// 64-bit import library leaves it out; comctl32 exports it by name and as ordinal 411.
#include <windows.h>
#include <commctrl.h>

bool FindWindowSubclass(HWND window, SUBCLASSPROC proc, UINT_PTR id, DWORD_PTR* data) noexcept;
