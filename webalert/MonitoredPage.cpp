#include "webalert/MonitoredPage.h"

#include <cstdio>
#include <vector>

#include "app/Profile.h"
#include "app/TextUtil.h"

namespace {
// Values are read into 2048 characters; names, links and extras hold 1023, dates and times 63.
constexpr std::size_t kValueChars = 2047;
constexpr std::size_t kTextChars = 1023;
constexpr std::size_t kStampChars = 63;
constexpr std::size_t kFieldCount = 10;

std::string KeyName(const char* section, int index)
{
    return std::string(section) + std::to_string(index);
}

int NumberOr(const std::vector<std::string_view>& fields, std::size_t i, int def)
{
    return i < fields.size() ? LeadingInt(std::string(fields[i]).c_str()) : def;
}

std::string TextOr(const std::vector<std::string_view>& fields, std::size_t i, std::size_t maxChars)
{
    return i < fields.size() ? Cut(fields[i], maxChars) : std::string();
}
} // namespace

std::string MonitoredPage::FormatPage() const
{
    std::string line = name;
    line += "|\"";
    for (char c : urlString)
        line += c == '|' ? std::string("%7C") : std::string(1, c);
    line += "\"|" + urlBase;
    for (int value : {enabled, state & ~kPageChangedThisRun, mailOnChange, openOnChange})
        line += "|" + std::to_string(value);
    line += "|" + changeDate + "|" + changeTime + "|" + std::to_string(changeCount);
    return line;
}

void MonitoredPage::ParsePage(std::string_view value)
{
    // At most ten fields; an empty field keeps its place, bars past the tenth are ignored.
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    while (fields.size() < kFieldCount) {
        std::size_t bar = value.find('|', start);
        fields.push_back(value.substr(start, bar == std::string_view::npos ? std::string_view::npos : bar - start));
        if (bar == std::string_view::npos)
            break;
        start = bar + 1;
    }
    name = TextOr(fields, 0, kTextChars);
    urlString.clear();
    if (fields.size() > 1 && !fields[1].empty()) {
        std::string_view link = fields[1].substr(1);   // the opening quote
        std::size_t lastQuote = link.rfind('"');
        if (lastQuote != std::string_view::npos)
            link = link.substr(0, lastQuote);
        urlString = Cut(link, kTextChars);
    }
    urlBase = TextOr(fields, 2, kTextChars);
    enabled = NumberOr(fields, 3, 1);
    state = NumberOr(fields, 4, 0);
    mailOnChange = NumberOr(fields, 5, 0);
    openOnChange = NumberOr(fields, 6, 0);
    changeDate = TextOr(fields, 7, kStampChars);
    changeTime = TextOr(fields, 8, kStampChars);
    changeCount = NumberOr(fields, 9, 0);
}

void MonitoredPage::Write(Profile& profile, const char* section, int index) const
{
    profile.WriteString(section, KeyName(section, index).c_str(), FormatPage().c_str());
}

bool MonitoredPage::Read(const Profile& profile, const char* section, int index)
{
    std::string value = profile.ReadString(section, KeyName(section, index).c_str(), "", kValueChars);
    if (value.empty())
        return false;
    ParsePage(value);
    return true;
}

void MonitoredPage::SetModified(int flag)
{
    if (flag)
        state |= kPageModified;
    else
        state &= ~(kPageModified | kPageChangedThisRun);
}

void MonitoredPage::StampChange(const LocalTime& now)
{
    char text[32];
    std::snprintf(text, sizeof text, "%04i%02i%02i", now.year, now.month, now.day);
    changeDate = text;
    std::snprintf(text, sizeof text, "%02i:%02i", now.hour, now.minute);
    changeTime = text;
}

std::string MonitoredPage::DisplayDate(bool french) const
{
    if (changeDate.empty())
        return std::string();
    const std::string year = changeDate.substr(0, 4);
    const std::string month = changeDate.size() > 4 ? changeDate.substr(4, 2) : std::string();
    const std::string day = changeDate.size() >= 2 ? changeDate.substr(changeDate.size() - 2) : changeDate;
    return french ? day + "/" + month + "/" + year : month + "-" + day + "-" + year;
}

std::string CleanPageName(std::string_view name)
{
    std::string text = Trim(name);
    for (char& c : text) {
        switch (c) {
        case '\\': case '/': case '=':
            c = '-';
            break;
        case ':': case '.': case '<': case '>': case '+': case '*': case '|': case '?':
            c = ' ';
            break;
        default:
            break;
        }
    }
    return text;
}
