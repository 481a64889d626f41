#include "launcher/LinkEntry.h"

#include "app/Profile.h"
#include "app/TextUtil.h"

namespace {
// Engine values are read into 2048 characters.
constexpr std::size_t kValueChars = 2047;

std::string KeyName(const char* section, int index)
{
    return std::string(section) + std::to_string(index);
}
} // namespace

std::string LinkEntry::Format() const
{
    return name + "|\"" + urlString + "\"|" + urlBase + "|" + std::to_string(enabled);
}

bool LinkEntry::Parse(std::string_view value)
{
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    while (true) {
        std::size_t bar = value.find('|', start);
        fields.push_back(value.substr(start, bar == std::string_view::npos ? std::string_view::npos : bar - start));
        if (bar == std::string_view::npos)
            break;
        start = bar + 1;
    }
    if (fields[0].empty())
        return false;

    // Search addresses may hold "|" themselves. When there are more fields than the record
    // has and the quoted pattern closes in the third field from the end, the bars in between
    // belong to the pattern; the record is then read from both ends.
    std::string_view patternField = fields.size() > 1 ? fields[1] : std::string_view();
    std::size_t baseIndex = 2;
    if (fields.size() > 4 && StartsWith(fields[1], "\"") && EndsWith(fields[fields.size() - 3], "\"")) {
        baseIndex = fields.size() - 2;
        std::size_t patternStart = static_cast<std::size_t>(fields[1].data() - value.data());
        std::size_t patternEnd = static_cast<std::size_t>(fields[baseIndex].data() - value.data()) - 1;
        patternField = value.substr(patternStart, patternEnd - patternStart);
    }

    name = std::string(fields[0]);
    urlString.clear();
    if (!patternField.empty()) {
        std::string_view pattern = patternField.substr(1);  // the opening double quote
        std::size_t lastQuote = pattern.rfind('"');
        if (lastQuote != std::string_view::npos)
            pattern = pattern.substr(0, lastQuote);
        urlString = std::string(pattern);
    }
    urlBase = fields.size() > baseIndex ? std::string(fields[baseIndex]) : std::string();
    enabled = fields.size() > baseIndex + 1 ? LeadingInt(std::string(fields[baseIndex + 1]).c_str()) : 1;
    return true;
}

void LinkEntry::Write(Profile& profile, const char* section, int index) const
{
    profile.WriteString(section, KeyName(section, index).c_str(), Format().c_str());
}

bool LinkEntry::Read(const Profile& profile, const char* section, int index)
{
    std::string value = profile.ReadString(section, KeyName(section, index).c_str(), "", kValueChars);
    return !value.empty() && Parse(value);
}

void CopyLinkList(const LinkList& source, LinkList& target)
{
    target.clear();
    target.reserve(source.size());
    for (const auto& entry : source)
        target.push_back(entry->Clone());
}
