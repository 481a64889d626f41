#include "tests/resources/RcScript.h"

#include <cctype>
#include <cstdlib>
#include <map>
#include <sstream>

namespace rc {
namespace {

enum class Kind { Word, String, Punct, End };

struct Token {
  Kind kind = Kind::End;
  std::string text;  // decoded for strings
  int line = 0;
};

bool IsWordChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }

// Decodes the body of a quoted string: "" is a quote, backslash escapes as in C.
std::string DecodeString(const std::string& body) {
  std::string out;
  for (std::size_t i = 0; i < body.size(); ++i) {
    char c = body[i];
    if (c == '"' && i + 1 < body.size() && body[i + 1] == '"') {
      out += '"';
      ++i;
    } else if (c == '\\' && i + 1 < body.size()) {
      char e = body[++i];
      switch (e) {
        case 'n': out += '\n'; break;
        case 't': out += '\t'; break;
        case 'r': out += '\r'; break;
        case 'a': out += '\a'; break;
        case '\\': out += '\\'; break;
        case '"': out += '"'; break;
        case 'x': {
          std::size_t j = i + 1;
          int value = 0;
          while (j < body.size() && j < i + 3 && std::isxdigit(static_cast<unsigned char>(body[j]))) {
            value = value * 16 + std::stoi(std::string(1, body[j]), nullptr, 16);
            ++j;
          }
          out += static_cast<char>(value);
          i = j - 1;
          break;
        }
        default:
          if (e >= '0' && e <= '7') {
            int value = 0;
            std::size_t j = i;
            while (j < body.size() && j < i + 3 && body[j] >= '0' && body[j] <= '7') {
              value = value * 8 + (body[j] - '0');
              ++j;
            }
            out += static_cast<char>(value);
            i = j - 1;
          } else {
            out += '\\';
            out += e;
          }
      }
    } else {
      out += c;
    }
  }
  return out;
}

std::vector<Token> Tokenize(const std::string& text, std::vector<std::string>& errors) {
  std::vector<Token> tokens;
  std::map<std::string, std::string> textMacros;
  int line = 1;
  bool lineStart = true;
  std::size_t i = 0;
  while (i < text.size()) {
    char c = text[i];
    if (c == '\n') {
      ++line;
      lineStart = true;
      ++i;
      continue;
    }
    if (std::isspace(static_cast<unsigned char>(c))) {
      ++i;
      continue;
    }
    if (lineStart && c == '#') {  // preprocessor line
      std::size_t begin = i;
      while (i < text.size() && text[i] != '\n') ++i;
      // A text set by a define (#define NAME "text") stands for that text where it is used.
      std::istringstream directive(text.substr(begin, i - begin));
      std::string hash, name, rest;
      if (directive >> hash >> name && hash == "#define" && std::getline(directive >> std::ws, rest) &&
          rest.size() >= 2 && rest[0] == '"') {
        std::size_t close = rest.find('"', 1);
        if (close != std::string::npos) textMacros[name] = rest.substr(1, close - 1);
      }
      continue;
    }
    lineStart = false;
    if (c == '/' && i + 1 < text.size() && text[i + 1] == '/') {
      while (i < text.size() && text[i] != '\n') ++i;
      continue;
    }
    if (c == '/' && i + 1 < text.size() && text[i + 1] == '*') {
      std::size_t end = text.find("*/", i + 2);
      if (end == std::string::npos) {
        errors.push_back("line " + std::to_string(line) + ": unterminated comment");
        break;
      }
      for (std::size_t k = i; k < end; ++k)
        if (text[k] == '\n') ++line;
      i = end + 2;
      continue;
    }
    Token t;
    t.line = line;
    bool wide = (c == 'L' && i + 1 < text.size() && text[i + 1] == '"');
    if (c == '"' || wide) {
      std::size_t j = i + (wide ? 2 : 1);
      std::string body;
      bool closed = false;
      while (j < text.size()) {
        if (text[j] == '"') {
          if (j + 1 < text.size() && text[j + 1] == '"') {
            body += "\"\"";
            j += 2;
            continue;
          }
          closed = true;
          break;
        }
        if (text[j] == '\\' && j + 1 < text.size()) {
          body += text[j];
          body += text[j + 1];
          j += 2;
          continue;
        }
        if (text[j] == '\n') break;
        body += text[j++];
      }
      if (!closed) {
        errors.push_back("line " + std::to_string(line) + ": unterminated string");
        while (i < text.size() && text[i] != '\n') ++i;
        continue;
      }
      t.kind = Kind::String;
      t.text = DecodeString(body);
      i = j + 1;
    } else if (IsWordChar(c)) {
      std::size_t j = i;
      while (j < text.size() && IsWordChar(text[j])) ++j;
      t.kind = Kind::Word;
      t.text = text.substr(i, j - i);
      auto macro = textMacros.find(t.text);
      if (macro != textMacros.end()) {
        t.kind = Kind::String;
        t.text = macro->second;
      }
      i = j;
    } else {
      t.kind = Kind::Punct;
      t.text = std::string(1, c);
      ++i;
    }
    tokens.push_back(t);
  }
  Token end;
  end.line = line;
  tokens.push_back(end);
  return tokens;
}

// One argument of a statement: a string, or an expression of numbers and symbols.
struct Arg {
  bool isString = false;
  std::string text;                  // the string, or the first symbol
  std::vector<std::string> symbols;  // every symbol of the expression
  bool known = true;                 // every symbol could be resolved
  long value = 0;
  int line = 0;
};

class Parser {
 public:
  Parser(std::vector<Token> tokens, const Defines& defines, Script& out)
      : tokens_(std::move(tokens)), defines_(defines), out_(out) {}

  void Run() {
    while (!AtEnd() && out_.errors.empty()) TopLevel();
  }

 private:
  const Token& Peek(std::size_t ahead = 0) const {
    std::size_t k = pos_ + ahead;
    return k < tokens_.size() ? tokens_[k] : tokens_.back();
  }
  bool AtEnd() const { return Peek().kind == Kind::End; }
  Token Next() {
    Token t = Peek();
    if (!AtEnd()) ++pos_;
    return t;
  }
  bool IsWord(const char* w, std::size_t ahead = 0) const {
    return Peek(ahead).kind == Kind::Word && Peek(ahead).text == w;
  }
  bool IsPunct(const char* p) const { return Peek().kind == Kind::Punct && Peek().text == p; }
  bool AcceptPunct(const char* p) {
    if (!IsPunct(p)) return false;
    Next();
    return true;
  }
  void Fail(const std::string& what) {
    out_.errors.push_back("line " + std::to_string(Peek().line) + ": " + what +
                          " (at '" + Peek().text + "')");
    pos_ = tokens_.size() - 1;  // stop at the first error
  }
  bool IsBegin() const { return IsWord("BEGIN") || IsPunct("{"); }
  bool IsEndOfBlock() const { return IsWord("END") || IsPunct("}"); }
  bool ExpectBegin() {
    if (IsBegin()) {
      Next();
      return true;
    }
    Fail("BEGIN expected");
    return false;
  }

  bool Resolve(const std::string& word, long& value) const {
    if (std::isdigit(static_cast<unsigned char>(word[0]))) {
      value = std::strtol(word.c_str(), nullptr, 0);
      return true;
    }
    auto it = defines_.values.find(word);
    if (it != defines_.values.end()) {
      value = it->second;
      return true;
    }
    if (word == "IDOK") return value = 1, true;
    if (word == "IDCANCEL") return value = 2, true;
    if (word == "IDC_STATIC") return value = -1, true;
    return false;
  }

  bool Operand(Arg& arg, long& value) {
    bool negate = false, invert = false;
    if (AcceptPunct("-")) negate = true;
    if (IsWord("NOT")) {
      Next();
      invert = true;
    }
    if (AcceptPunct("(")) {
      if (!Expression(arg, value)) return false;
      if (!AcceptPunct(")")) {
        Fail("')' expected");
        return false;
      }
    } else if (Peek().kind == Kind::Word) {
      Token t = Next();
      arg.symbols.push_back(t.text);
      if (arg.text.empty()) arg.text = t.text;
      if (!Resolve(t.text, value)) {
        arg.known = false;
        value = 0;
      }
    } else {
      Fail("number or symbol expected");
      return false;
    }
    if (negate) value = -value;
    if (invert) value = ~value;
    return true;
  }

  bool Expression(Arg& arg, long& value) {
    if (!Operand(arg, value)) return false;
    while (IsPunct("|") || IsPunct("+") || IsPunct("-") || IsPunct("&")) {
      char op = Next().text[0];
      long rhs = 0;
      if (!Operand(arg, rhs)) return false;
      value = op == '|' ? (value | rhs) : op == '+' ? value + rhs : op == '-' ? value - rhs
                                                                           : (value & rhs);
    }
    return true;
  }

  bool ReadArg(Arg& arg) {
    arg.line = Peek().line;
    if (Peek().kind == Kind::String) {
      arg.isString = true;
      arg.text = Next().text;
      return true;
    }
    return Expression(arg, arg.value);
  }

  // Comma-separated arguments up to the first one not followed by a comma.
  bool ReadArgs(std::vector<Arg>& args) {
    do {
      Arg a;
      if (!ReadArg(a)) return false;
      args.push_back(a);
    } while (AcceptPunct(","));
    return true;
  }

  bool NeedValue(const Arg& a, const char* what, long& value) {
    if (a.isString || !a.known) {
      out_.errors.push_back("line " + std::to_string(a.line) + ": unknown " + what + " '" +
                            a.text + "'");
      return false;
    }
    value = a.value;
    return true;
  }

  void TopLevel() {
    if (IsWord("LANGUAGE")) {
      Next();
      std::vector<Arg> args;
      if (!ReadArgs(args) || args.size() != 2) return Fail("LANGUAGE needs two values");
      out_.languagePrimary = args[0].text;
      out_.languageSub = args[1].text;
      return;
    }
    if (IsWord("STRINGTABLE")) {
      Next();
      while (Peek().kind == Kind::Word && !IsBegin()) Next();  // memory options
      if (!ExpectBegin()) return;
      while (!IsEndOfBlock()) {
        if (AtEnd()) return Fail("END of STRINGTABLE expected");
        Arg id;
        if (!ReadArg(id)) return;
        AcceptPunct(",");
        if (Peek().kind != Kind::String) return Fail("string expected");
        StringEntry e;
        e.line = Peek().line;
        e.text = Next().text;
        if (!NeedValue(id, "string id", e.id)) return Fail("string id");
        out_.strings.push_back(e);
      }
      Next();
      return;
    }
    Arg name;
    if (!ReadArg(name)) return;
    long id = 0;
    if (!NeedValue(name, "resource id", id)) return Fail("resource id");
    if (IsWord("MENU") || IsWord("MENUEX")) {
      Next();
      while (Peek().kind == Kind::Word && !IsBegin()) Next();
      MenuItem root;
      root.popup = true;
      if (!ExpectBegin()) return;
      if (!MenuBody(root)) return;
      out_.menus[id] = root;
      return;
    }
    if (IsWord("DIALOG") || IsWord("DIALOGEX")) {
      Next();
      Dialog d;
      if (!DialogDefinition(d)) return;
      out_.dialogs[id] = d;
      return;
    }
    Fail("unsupported resource statement");
  }

  bool MenuBody(MenuItem& parent) {
    while (!IsEndOfBlock()) {
      if (AtEnd()) {
        Fail("END of menu expected");
        return false;
      }
      MenuItem item;
      if (IsWord("MENUITEM")) {
        Next();
        if (IsWord("SEPARATOR")) {
          Next();
          item.separator = true;
        } else {
          if (Peek().kind != Kind::String) {
            Fail("menu text expected");
            return false;
          }
          item.text = Next().text;
          if (!AcceptPunct(",")) {
            Fail("',' and command id expected");
            return false;
          }
          Arg id;
          if (!ReadArg(id) || !NeedValue(id, "command id", item.id)) return false;
          while (AcceptPunct(",")) {
            if (Peek().kind != Kind::Word) {
              Fail("menu flag expected");
              return false;
            }
            item.flags.push_back(Next().text);
          }
        }
      } else if (IsWord("POPUP")) {
        Next();
        if (Peek().kind != Kind::String) {
          Fail("popup text expected");
          return false;
        }
        item.popup = true;
        item.text = Next().text;
        while (AcceptPunct(",")) {
          if (Peek().kind != Kind::Word) {
            Fail("popup flag expected");
            return false;
          }
          item.flags.push_back(Next().text);
        }
        if (!ExpectBegin() || !MenuBody(item)) return false;
      } else {
        Fail("MENUITEM or POPUP expected");
        return false;
      }
      parent.children.push_back(item);
    }
    Next();
    return true;
  }

  bool DialogDefinition(Dialog& d) {
    std::vector<Arg> rect;
    if (!ReadArgs(rect) || rect.size() < 4) {
      Fail("dialog rectangle expected");
      return false;
    }
    if (!NeedValue(rect[0], "x", d.x) || !NeedValue(rect[1], "y", d.y) ||
        !NeedValue(rect[2], "width", d.w) || !NeedValue(rect[3], "height", d.h))
      return false;
    while (!IsBegin()) {
      if (AtEnd()) {
        Fail("BEGIN of dialog expected");
        return false;
      }
      if (Peek().kind != Kind::Word) {
        Fail("dialog statement expected");
        return false;
      }
      std::string statement = Next().text;
      std::vector<Arg> args;
      if (!ReadArgs(args)) return false;
      if (statement == "STYLE") {
        d.styles = args[0].symbols;
      } else if (statement == "CAPTION") {
        d.caption = args[0].text;
      } else if (statement == "FONT") {
        if (args.size() < 2 || !args[1].isString) {
          Fail("FONT size, face expected");
          return false;
        }
        if (!NeedValue(args[0], "font size", d.fontSize)) return false;
        d.fontFace = args[1].text;
      } else if (statement != "EXSTYLE" && statement != "MENU" && statement != "CLASS" &&
                 statement != "CHARACTERISTICS" && statement != "VERSION") {
        Fail("unknown dialog statement " + statement);
        return false;
      }
    }
    Next();
    while (!IsEndOfBlock()) {
      if (AtEnd() || Peek().kind != Kind::Word) {
        Fail("control expected");
        return false;
      }
      Control c;
      c.kind = Next().text;
      std::vector<Arg> args;
      if (!ReadArgs(args)) return false;
      if (!ControlFromArgs(c, args)) return false;
      d.controls.push_back(c);
    }
    Next();
    return true;
  }

  bool ControlFromArgs(Control& c, const std::vector<Arg>& a) {
    static const char* const kTextKinds[] = {"LTEXT", "RTEXT", "CTEXT", "PUSHBUTTON",
        "DEFPUSHBUTTON", "GROUPBOX", "CHECKBOX", "AUTOCHECKBOX", "RADIOBUTTON",
        "AUTORADIOBUTTON", "STATE3", "AUTO3STATE", "PUSHBOX"};
    static const char* const kPlainKinds[] = {"EDITTEXT", "COMBOBOX", "LISTBOX", "SCROLLBAR"};
    std::size_t first = 0;  // index of the id argument
    bool isText = false, isPlain = false;
    for (const char* k : kTextKinds) isText = isText || c.kind == k;
    for (const char* k : kPlainKinds) isPlain = isPlain || c.kind == k;
    if (isText || c.kind == "ICON") {
      if (a.empty()) return Fail("control text expected"), false;
      c.text = a[0].text;
      first = 1;
    } else if (c.kind == "CONTROL") {
      if (a.size() < 8) return Fail("CONTROL needs text, id, class, style and rectangle"), false;
      c.text = a[0].text;
      c.className = a[2].text;  // a string, or a symbol such as WC_LISTVIEW
      if (!NeedValue(a[1], "control id", c.id)) return false;
      return NeedValue(a[4], "x", c.x) && NeedValue(a[5], "y", c.y) &&
             NeedValue(a[6], "width", c.w) && NeedValue(a[7], "height", c.h);
    } else if (!isPlain) {
      return Fail("unknown control " + c.kind), false;
    }
    if (a.size() < first + 3) return Fail("control id and position expected"), false;
    if (!NeedValue(a[first], "control id", c.id)) return false;
    if (!NeedValue(a[first + 1], "x", c.x) || !NeedValue(a[first + 2], "y", c.y)) return false;
    if (a.size() >= first + 5) {
      if (!NeedValue(a[first + 3], "width", c.w) || !NeedValue(a[first + 4], "height", c.h))
        return false;
    }
    return true;
  }

  std::vector<Token> tokens_;
  std::size_t pos_ = 0;
  const Defines& defines_;
  Script& out_;
};

}  // namespace

Defines ReadDefines(const std::string& headerText) {
  Defines d;
  std::istringstream in(headerText);
  std::string line;
  while (std::getline(in, line)) {
    std::istringstream words(line);
    std::string hash, name, value;
    if (!(words >> hash >> name >> value) || hash != "#define") continue;
    char* end = nullptr;
    long v = std::strtol(value.c_str(), &end, 0);
    if (end == value.c_str() || *end != '\0') continue;
    if (!d.Has(name)) d.order.push_back(name);
    d.values[name] = v;
  }
  return d;
}

Script Parse(const std::string& text, const Defines& defines) {
  Script s;
  std::vector<Token> tokens = Tokenize(text, s.errors);
  if (!s.errors.empty()) return s;
  Parser(std::move(tokens), defines, s).Run();
  return s;
}

}  // namespace rc
