#include "app/BrowserCommand.h"

#include "app/TextUtil.h"

std::string BrowserProgramFromCommand(std::string_view command)
{
    std::string text = Trim(command);
    // The usual form: "C:\path\browser.exe" "%1". Cutting at the last "-" or "," as older
    // versions did would break it, and every path holding a "-" or ",".
    if (!text.empty() && text[0] == '"') {
        std::size_t close = text.find('"', 1);
        if (close != std::string::npos)
            return text.substr(1, close - 1);
    } else {
        std::size_t exe = ToLowerAnsi(text).find(".exe");
        if (exe != std::string::npos)
            return text.substr(0, exe + 4);
    }

    std::size_t comma = text.rfind(',');
    if (comma != std::string::npos)
        text.erase(comma);
    std::size_t dash = text.rfind('-');
    if (dash != std::string::npos) {
        if (dash > 0 && text[dash - 1] == ' ')
            --dash;
        text.erase(dash);
    }
    if (!text.empty() && text[0] == '"') {
        text.erase(0, 1);
        std::size_t quote = text.rfind('"');
        if (quote != std::string::npos)
            text.erase(quote);
    }
    return text;
}
