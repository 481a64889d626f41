// The compiled resources as Windows sees them: both languages of every string block, the
// texts converted to the ANSI code page, the menu and the About box built from their
// templates, and the pictures loaded the way the program loads them.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "resources/ResourceIds.h"

namespace {

const LANGID kEnglish = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);
const LANGID kFrench = MAKELANGID(LANG_FRENCH, SUBLANG_FRENCH);

HMODULE Module() { return GetModuleHandleA(nullptr); }

const void* Resource(LPCSTR type, UINT id, LANGID language, DWORD* size = nullptr) {
  HRSRC found = FindResourceExA(Module(), type, MAKEINTRESOURCEA(id), language);
  if (!found) return nullptr;
  if (size) *size = SizeofResource(Module(), found);
  HGLOBAL loaded = LoadResource(Module(), found);
  return loaded ? LockResource(loaded) : nullptr;
}

// The 16 strings of one block; an absent string is empty.
std::vector<std::wstring> StringBlock(UINT block, LANGID language) {
  std::vector<std::wstring> strings;
  const WCHAR* p = static_cast<const WCHAR*>(Resource(RT_STRING, block, language));
  if (!p) return strings;
  for (int i = 0; i < 16; ++i) {
    WORD length = *p++;
    strings.emplace_back(p, length);
    p += length;
  }
  return strings;
}

std::string Ansi(const std::wstring& text) {
  if (text.empty()) return std::string();
  int n = WideCharToMultiByte(1252, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0,
                              nullptr, nullptr);
  std::string out(static_cast<std::size_t>(n), '\0');
  BOOL lossy = FALSE;
  WideCharToMultiByte(1252, 0, text.c_str(), static_cast<int>(text.size()), &out[0], n, nullptr,
                      &lossy);
  EXPECT_FALSE(lossy) << out;
  return out;
}

std::string Text(UINT id, LANGID language) {
  std::vector<std::wstring> block = StringBlock(id / 16 + 1, language);
  return block.empty() ? std::string() : Ansi(block[id % 16]);
}

BOOL CALLBACK CollectName(HMODULE, LPCSTR, LPSTR name, LONG_PTR param) {
  if (IS_INTRESOURCE(name))
    reinterpret_cast<std::vector<UINT>*>(param)->push_back(
        static_cast<UINT>(reinterpret_cast<ULONG_PTR>(name)));
  return TRUE;
}

BOOL CALLBACK CollectLanguage(HMODULE, LPCSTR, LPCSTR, WORD language, LONG_PTR param) {
  reinterpret_cast<std::set<LANGID>*>(param)->insert(language);
  return TRUE;
}

TEST(CompiledResources, EveryStringExistsInBothLanguages) {
  std::vector<UINT> blocks;
  EnumResourceNamesA(Module(), RT_STRING, CollectName, reinterpret_cast<LONG_PTR>(&blocks));
  ASSERT_GT(blocks.size(), 10u);
  int strings = 0;
  for (UINT block : blocks) {
    std::set<LANGID> languages;
    EnumResourceLanguagesA(Module(), RT_STRING, MAKEINTRESOURCEA(block), CollectLanguage,
                           reinterpret_cast<LONG_PTR>(&languages));
    EXPECT_EQ(languages, (std::set<LANGID>{kEnglish, kFrench})) << "block " << block;
    std::vector<std::wstring> en = StringBlock(block, kEnglish), fr = StringBlock(block, kFrench);
    ASSERT_EQ(en.size(), 16u);
    ASSERT_EQ(fr.size(), 16u);
    for (int i = 0; i < 16; ++i) {
      UINT id = (block - 1) * 16 + static_cast<UINT>(i);
      EXPECT_EQ(en[i].empty(), fr[i].empty()) << "string " << id;
      strings += !en[i].empty();
    }
  }
  EXPECT_GT(strings, 150);
}

TEST(CompiledResources, TextsArriveInTheAnsiCodePage) {
  EXPECT_EQ(Text(IDS_CLASS_NAME, kEnglish), "Quorvane");
  EXPECT_EQ(Text(IDS_CLASS_NAME, kFrench), "Quorvane");
  EXPECT_EQ(Text(IDS_TREE_TYPED, kFrench), "Adresses tap\xE9" "es");
  EXPECT_EQ(Text(IDS_TRAY_TIP_HOTKEY, kEnglish), "%s\nor %s.");
  EXPECT_EQ(Text(IDS_NO_CLIPBOARD_TEXT, kEnglish),
            "There is no text in clipboard. Copy a text field to use this fonctionnality.");
  EXPECT_EQ(Text(IDS_UPDATE_INSTALLED, kEnglish),
            "Great!\nQuorvane new version %s has been succesfully installed !");
  EXPECT_EQ(Text(IDS_LANGUAGE_FRENCH, kFrench), "Fran\xE7" "ais");
  EXPECT_FALSE(Text(IDS_TAGLINE, kEnglish).empty());
}

HMENU MenuIn(LANGID language) {
  const void* tmpl = Resource(RT_MENU, IDR_TRAY_MENU, language);
  return tmpl ? LoadMenuIndirectA(tmpl) : nullptr;
}

std::string ItemText(HMENU menu, UINT position) {
  char text[256] = {};
  GetMenuStringA(menu, position, text, sizeof text, MF_BYPOSITION);
  return text;
}

TEST(CompiledResources, TrayMenuBuildsWithItsSubmenusAtTheirPositions) {
  for (LANGID language : {kEnglish, kFrench}) {
    HMENU menu = MenuIn(language);
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(GetMenuItemCount(menu), 3);
    HMENU tray = GetSubMenu(menu, 0);
    ASSERT_NE(tray, nullptr);
    EXPECT_EQ(GetMenuItemCount(tray), 16);
    EXPECT_EQ(GetMenuItemID(tray, 0), static_cast<UINT>(IDM_OPEN));
    EXPECT_EQ(GetMenuItemID(tray, 6), static_cast<UINT>(IDM_DISABLE_WEBALERT));
    EXPECT_EQ(GetMenuItemID(tray, 15), static_cast<UINT>(IDM_EXIT));
    for (int pos : {TRAY_POS_TYPED_URLS, TRAY_POS_ENGINES, TRAY_POS_FAVORITES}) {
      HMENU sub = GetSubMenu(tray, pos);
      ASSERT_NE(sub, nullptr) << pos;
      EXPECT_EQ(GetMenuItemCount(sub), 2) << pos;
      EXPECT_TRUE(GetMenuState(sub, 0, MF_BYPOSITION) & MF_GRAYED) << pos;
    }
    HMENU help = GetSubMenu(tray, TRAY_POS_HELP);
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(GetMenuItemID(help, 8), static_cast<UINT>(IDM_ABOUT));
    EXPECT_EQ(GetMenuItemID(GetSubMenu(menu, 1), 0), static_cast<UINT>(IDM_CLOSE_LIST));
    DestroyMenu(menu);
  }
  HMENU en = MenuIn(kEnglish), fr = MenuIn(kFrench);
  EXPECT_EQ(ItemText(GetSubMenu(en, 0), 1), "T&ranslate");
  EXPECT_EQ(ItemText(GetSubMenu(GetSubMenu(fr, 0), TRAY_POS_HELP), 8),
            "\xC0 propos de Quorvane...");
  DestroyMenu(en);
  DestroyMenu(fr);
}

INT_PTR CALLBACK QuietDialog(HWND, UINT message, WPARAM, LPARAM) {
  return message == WM_INITDIALOG;
}

TEST(CompiledResources, AboutBoxBuildsInBothLanguages) {
  INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&controls);
  for (LANGID language : {kEnglish, kFrench}) {
    const void* tmpl = Resource(RT_DIALOG, IDD_ABOUT, language);
    ASSERT_NE(tmpl, nullptr);
    HWND dialog = CreateDialogIndirectParamA(Module(), static_cast<LPCDLGTEMPLATEA>(tmpl),
                                             nullptr, QuietDialog, 0);
    ASSERT_NE(dialog, nullptr) << GetLastError();
    char text[256] = {};
    GetWindowTextA(dialog, text, sizeof text);
    EXPECT_STREQ(text, language == kFrench ? "\xC0 propos de Quorvane" : "About Quorvane");
    char className[64] = {};
    GetClassNameA(GetDlgItem(dialog, IDC_ABOUT_HISTORY), className, sizeof className);
    EXPECT_STRCASEEQ(className, "SysListView32");
    GetDlgItemTextA(dialog, IDC_ABOUT_VERSION, text, sizeof text);
    EXPECT_NE(std::string(text).find("%s"), std::string::npos);
    GetDlgItemTextA(dialog, IDC_ABOUT_SITE, text, sizeof text);
    EXPECT_STREQ(text, "http://www.quorvane.com/");
    for (int id : {IDC_ABOUT_FORUMS, IDC_ABOUT_CONTACT, IDC_ABOUT_CHECK_UPDATES, IDC_ABOUT_NEWS,
                   IDOK})
      EXPECT_NE(GetDlgItem(dialog, id), nullptr) << id;
    DestroyWindow(dialog);
  }
}

COLORREF CornerPixel(HBITMAP bitmap) {
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, bitmap);
  COLORREF c = GetPixel(dc, 0, 0);
  SelectObject(dc, old);
  DeleteDC(dc);
  return c;
}

SIZE BitmapSize(HBITMAP bitmap) {
  BITMAP info = {};
  GetObjectA(bitmap, sizeof info, &info);
  return {info.bmWidth, info.bmHeight};
}

TEST(CompiledResources, PictureButtonsTakeTheButtonFaceColour) {
  // LR_LOADMAP3DCOLORS must turn the light grey background into the system's button face;
  // a distinct face colour shows that the mapping happened.
  int element = COLOR_3DFACE;
  COLORREF saved = GetSysColor(element);
  COLORREF face = RGB(12, 200, 34);
  ASSERT_TRUE(SetSysColors(1, &element, &face));
  const std::map<UINT, int> sides = {{IDB_BUTTON_BROWSER, 16}, {IDB_BUTTON_CLOSE_OWN, 16},
                                     {IDB_BUTTON_CLOSE_ALL, 16}, {IDB_BUTTON_BROWSE, 16},
                                     {IDB_BUTTON_PLAY, 16}, {IDB_PIN_OFF, 11}, {IDB_PIN_ON, 11}};
  for (const auto& [id, side] : sides) {
    HBITMAP plain = static_cast<HBITMAP>(
        LoadImageA(Module(), MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0, 0));
    HBITMAP mapped = static_cast<HBITMAP>(
        LoadImageA(Module(), MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0, LR_LOADMAP3DCOLORS));
    ASSERT_NE(plain, nullptr) << id;
    ASSERT_NE(mapped, nullptr) << id;
    EXPECT_EQ(BitmapSize(mapped).cx, side) << id;
    EXPECT_EQ(BitmapSize(mapped).cy, side) << id;
    EXPECT_EQ(CornerPixel(plain), RGB(192, 192, 192)) << id;
    EXPECT_EQ(CornerPixel(mapped), face) << id;
    DeleteObject(plain);
    DeleteObject(mapped);
  }
  SetSysColors(1, &element, &saved);
}

TEST(CompiledResources, IconsAndOtherBitmapsLoadAtTheirSizes) {
  for (UINT id : {IDI_LARGE, IDI_SMALL}) {
    for (int size : {16, 32}) {
      HICON icon = static_cast<HICON>(
          LoadImageA(Module(), MAKEINTRESOURCEA(id), IMAGE_ICON, size, size, 0));
      ASSERT_NE(icon, nullptr) << id << " at " << size;
      ICONINFO info = {};
      ASSERT_TRUE(GetIconInfo(icon, &info));
      EXPECT_EQ(BitmapSize(info.hbmColor ? info.hbmColor : info.hbmMask).cx, size);
      DeleteObject(info.hbmColor);
      DeleteObject(info.hbmMask);
      DestroyIcon(icon);
    }
  }
  const std::map<UINT, SIZE> sizes = {{IDB_TREE_IMAGES, {108, 18}}, {IDB_CHECK_ON, {13, 13}},
                                      {IDB_CHECK_OFF, {13, 13}}, {IDB_TAB_PICTURE, {6, 7}}};
  for (const auto& [id, size] : sizes) {
    HBITMAP bitmap = LoadBitmapA(Module(), MAKEINTRESOURCEA(id));
    ASSERT_NE(bitmap, nullptr) << id;
    EXPECT_EQ(BitmapSize(bitmap).cx, size.cx) << id;
    EXPECT_EQ(BitmapSize(bitmap).cy, size.cy) << id;
    DeleteObject(bitmap);
  }
  EXPECT_EQ(CornerPixel(LoadBitmapA(Module(), MAKEINTRESOURCEA(IDB_TREE_IMAGES))),
            RGB(220, 227, 245));
}

TEST(CompiledResources, VersionIsOneZeroOneZero) {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  DWORD handle = 0;
  DWORD size = GetFileVersionInfoSizeA(path, &handle);
  ASSERT_GT(size, 0u);
  std::vector<char> data(size);
  ASSERT_TRUE(GetFileVersionInfoA(path, 0, size, data.data()));
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueA(data.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
  EXPECT_EQ(fixed->dwFileVersionMS, 0x00010000u);
  EXPECT_EQ(fixed->dwFileVersionLS, 0x00010000u);
  char* product = nullptr;
  ASSERT_TRUE(VerQueryValueA(data.data(), "\\StringFileInfo\\040904b0\\ProductName",
                             reinterpret_cast<void**>(&product), &length));
  EXPECT_STREQ(product, "Quorvane");
}

}  // namespace
