#pragma once
// A reader for the subset of the resource-script language that the program's scripts use:
// LANGUAGE, STRINGTABLE, MENU and DIALOG(EX). Symbols are resolved through a table of
// #define values. Anything it cannot read is reported in `errors`, never skipped silently,
// so a test on an empty result cannot pass by accident.
#include <map>
#include <string>
#include <vector>

namespace rc {

// Name -> value of every "#define NAME number" of a header, in file order.
struct Defines {
  std::map<std::string, long> values;
  std::vector<std::string> order;
  bool Has(const std::string& name) const { return values.count(name) != 0; }
};
Defines ReadDefines(const std::string& headerText);

struct StringEntry {
  long id = 0;
  std::string text;  // UTF-8, escapes decoded
  int line = 0;
};

struct MenuItem {
  std::string text;  // UTF-8; empty for separators
  long id = 0;
  bool separator = false;
  bool popup = false;
  std::vector<std::string> flags;  // GRAYED, CHECKED, ...
  std::vector<MenuItem> children;
};

struct Control {
  std::string kind;       // LTEXT, PUSHBUTTON, CONTROL, ICON, ...
  std::string text;       // caption, or the icon's name for ICON
  std::string className;  // for CONTROL
  long id = 0;
  long x = 0, y = 0, w = 0, h = 0;
};

struct Dialog {
  long x = 0, y = 0, w = 0, h = 0;
  std::string caption;
  std::string fontFace;
  long fontSize = 0;
  std::vector<std::string> styles;  // the symbols of the STYLE line
  std::vector<Control> controls;
};

struct Script {
  std::string languagePrimary, languageSub;  // as written, e.g. LANG_FRENCH
  std::vector<StringEntry> strings;
  std::map<long, MenuItem> menus;  // menu id -> a root item whose children are the popups
  std::map<long, Dialog> dialogs;
  std::vector<std::string> errors;
};

// Reads a script. `defines` resolves symbolic ids; IDOK, IDCANCEL and IDC_STATIC are known.
Script Parse(const std::string& text, const Defines& defines);

}  // namespace rc
