#include "webalert/MonitorRules.h"

#include <algorithm>
#include <cctype>

namespace {

char Lower(char c)
{
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

int CompareNoCase(std::string_view a, std::string_view b)
{
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const unsigned char x = static_cast<unsigned char>(Lower(a[i]));
        const unsigned char y = static_cast<unsigned char>(Lower(b[i]));
        if (x != y)
            return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

bool EqualNoCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && CompareNoCase(a, b) == 0;
}

int Sign(long long d)
{
    return d < 0 ? -1 : (d > 0 ? 1 : 0);
}

// The mail program reads the command as an address: what would end or garble it is encoded.
std::string EncodeForMail(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
        case '%': out += "%25"; break;
        case '?': out += "%3F"; break;
        case ' ': out += "%20"; break;
        case '=': out += "%3D"; break;
        case '&': out += "%26"; break;
        case '#': out += "%23"; break;
        case '"': out += "%22"; break;
        default: out += c; break;
        }
    }
    return out;
}

// The format with its "%s" filled in order; other "%" sequences stay as written.
std::string Fill(std::string_view format, const std::vector<const std::string*>& values)
{
    std::string out;
    std::size_t next = 0;
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] == '%' && i + 1 < format.size() && format[i + 1] == 's') {
            if (next < values.size())
                out += *values[next++];
            ++i;
            continue;
        }
        out += format[i];
    }
    return out;
}

int VisibleTop(const ScreenRect& r, const ScreenRect& area, int& height)
{
    const int w = std::min(r.right, area.right) - std::max(r.left, area.left);
    height = std::min(r.top + 24, area.bottom) - std::max(r.top, area.top);
    return w;
}

} // namespace

std::string MonitorColumnText(const MonitoredPage& page, int column, bool french, const std::string& yes,
                              const std::string& no)
{
    switch (column) {
    case kColumnName:
        return page.name;
    case kColumnLink:
        if (page.urlString.size() > kShownLinkChars)
            return page.urlString.substr(0, kShownLinkChars) + "...";
        return page.urlString;
    case kColumnDate:
        return page.DisplayDate(french);
    case kColumnTime:
        return page.changeTime;
    case kColumnCount:
        return std::to_string(page.changeCount);
    case kColumnEnabled:
        return page.enabled ? yes : no;
    default:
        return std::string();
    }
}

bool MonitorRowAdmitted(const MonitoredPage& page, bool showDisabled, bool onlyUpdated)
{
    return (!onlyUpdated || page.Modified()) && (page.enabled || showDisabled);
}

RowLook RowLookOf(const MonitoredPage& page)
{
    if (page.Modified())
        return (page.state & kPageChangedThisRun) ? RowLook::ChangedThisRun : RowLook::Unread;
    if (!page.enabled)
        return RowLook::Disabled;
    return RowLook::Plain;
}

int TimeSeconds(std::string_view time)
{
    int parts[3] = {0, 0, 0};
    int count = 0;
    bool digits = false;
    for (char c : time) {
        if (c >= '0' && c <= '9') {
            if (parts[count] < 10000)   // no overflow for any length of digits
                parts[count] = parts[count] * 10 + (c - '0');
            digits = true;
        } else if (c == ':' && digits && count < 2) {
            ++count;
            digits = false;
        } else {
            return 0;
        }
    }
    if (count == 0)
        return 0;
    return parts[0] * 3600 + parts[1] * 60 + parts[2];
}

int CompareForColumn(const MonitoredPage& a, const MonitoredPage& b, int column)
{
    switch (column) {
    case kColumnName:
        return CompareNoCase(a.name, b.name);
    case kColumnLink:
        return CompareNoCase(a.urlString, b.urlString);
    case kColumnDate:
        return CompareNoCase(a.changeDate, b.changeDate);
    case kColumnTime:
        return Sign(static_cast<long long>(TimeSeconds(a.changeTime)) - TimeSeconds(b.changeTime));
    case kColumnCount:
        return Sign(static_cast<long long>(a.changeCount) - b.changeCount);
    case kColumnEnabled:
        return Sign(static_cast<long long>(a.enabled) - b.enabled);
    default:
        return 0;
    }
}

RenameVerdict JudgeRename(const std::vector<std::string>& names, std::string_view current, std::string_view cleaned)
{
    if (cleaned == current)
        return RenameVerdict::Unchanged;
    if (cleaned.empty())
        return RenameVerdict::Refused;
    for (const std::string& name : names)
        if (EqualNoCase(name, cleaned))
            return RenameVerdict::Refused;
    return RenameVerdict::Rename;
}

bool MovePageCopies(PageFileSystem& files, const std::string& dataFolder, std::string_view oldName,
                    std::string_view newName)
{
    const std::string oldCopy = CurrentCopyPath(dataFolder, oldName);
    const std::string newFolder = PageFolderPath(dataFolder, newName);
    if (newFolder.empty())
        return false;
    if (oldCopy.empty() || !files.Exists(oldCopy)) {
        // Nothing stored yet: the name only needs a free folder. The old one goes if empty.
        if (!files.CreateFolder(newFolder))
            return false;
        if (!oldCopy.empty())
            files.RemoveFolder(PageFolderPath(dataFolder, oldName));
        return true;
    }
    PageFolders folders(files, dataFolder);
    return folders.RenamePageFolder(oldName, newName);
}

std::string MailCommandLine(std::string_view bodyFormat, const std::string& name, const std::string& link,
                            const std::string& date, const std::string& time)
{
    const std::string body = Fill(bodyFormat, {&name, &link, &date, &time});
    const std::string subject = "[" + name + "]";
    return "\"mailto:?subject=" + EncodeForMail(subject) + "&body=" + EncodeForMail(body) + "\"";
}

ScreenRect BringOnScreen(ScreenRect rect, const std::vector<ScreenRect>& workAreas)
{
    if (workAreas.empty())
        return rect;
    for (const ScreenRect& area : workAreas) {
        int height = 0;
        if (VisibleTop(rect, area, height) >= 64 && height >= 24)
            return rect;
    }
    const ScreenRect& primary = workAreas.front();
    const int width = std::clamp(rect.right - rect.left, 1, std::max(1, primary.right - primary.left));
    const int tall = std::clamp(rect.bottom - rect.top, 1, std::max(1, primary.bottom - primary.top));
    ScreenRect placed;
    placed.left = std::clamp(rect.left, primary.left, std::max(primary.left, primary.right - width));
    placed.top = std::clamp(rect.top, primary.top, std::max(primary.top, primary.bottom - tall));
    placed.right = placed.left + width;
    placed.bottom = placed.top + tall;
    return placed;
}
