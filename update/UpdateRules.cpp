#include "update/UpdateRules.h"

#include <cstdio>

#include "app/Profile.h"
#include "app/TextUtil.h"

namespace {

constexpr const char kSettingsSection[] = "AutoUpdate";
constexpr const char kHistorySection[] = "AutoUpdateVersion";

} // namespace

int VersionNumber(std::string_view text)
{
    std::string part(text.substr(0, text.find(' ')));
    std::size_t dot = part.find('.');
    if (dot != std::string::npos)
        part[dot] = '0';
    return LeadingInt(part.c_str());
}

bool IsNewerVersion(std::string_view remote, std::string_view local)
{
    return VersionNumber(local) < VersionNumber(remote);
}

bool UpdateCheckDue(int checkEvery, const YearMonthDay& stored, const YearMonthDay& today)
{
    if (checkEvery == 0)
        return false;
    if (stored.year == 0 || stored.month == 0 || stored.day == 0 || checkEvery == 1)
        return true;
    int last = DayNumber(stored.day, stored.month, stored.year);
    int now = DayNumber(today.day, today.month, today.year);
    switch (checkEvery) {
    case 2:
        return last < now;
    case 3:
        return now - last >= 7;
    case 4:
        return now - last >= 30;
    default:
        return false;
    }
}

std::string DateText(int year, int month, int day)
{
    char text[48];
    std::snprintf(text, sizeof text, "%04i%02i%02i", year, month, day);
    return text;
}

std::string TimeText(int hour, int minute)
{
    char text[32];
    std::snprintf(text, sizeof text, "%02i:%02i", hour, minute);
    return text;
}

UpdateSettings ReadUpdateSettings(const Profile& settings)
{
    UpdateSettings s;
    s.CheckEvery = settings.ReadInt(kSettingsSection, "CheckEvery", 0);
    s.AutoInstall = settings.ReadInt(kSettingsSection, "AutoInstall", 0);
    s.Url = settings.ReadString(kSettingsSection, "Url", kDefaultUpdateUrl, kUpdateUrlChars);
    s.DateUpdate = settings.ReadString(kSettingsSection, "DateUpdate", "", 15);
    s.ShowNews = settings.ReadInt(kSettingsSection, "ShowNews", 1);
    return s;
}

void WriteUpdateSettings(const UpdateSettings& values, Profile& settings)
{
    settings.WriteInt(kSettingsSection, "CheckEvery", values.CheckEvery);
    settings.WriteInt(kSettingsSection, "AutoInstall", values.AutoInstall);
    settings.WriteString(kSettingsSection, "Url", Cut(values.Url, kUpdateUrlChars).c_str());
    settings.WriteInt(kSettingsSection, "ShowNews", values.ShowNews);
}

void WriteCheckDate(const std::string& date, Profile& settings)
{
    settings.WriteString(kSettingsSection, "DateUpdate", date.c_str());
}

std::vector<InstalledVersion> ReadHistory(const Profile& settings)
{
    std::vector<InstalledVersion> history;
    static const char kMissing[] = "\x01missing";
    char key[32];
    for (int i = 1; i <= kMaxHistoryEntries; ++i) {
        std::snprintf(key, sizeof key, "Version%i", i);
        std::string version = settings.ReadString(kHistorySection, key, kMissing, 63);
        if (version == kMissing)
            break;
        InstalledVersion entry;
        entry.version = version;
        std::snprintf(key, sizeof key, "VersionDate%i", i);
        entry.date = settings.ReadString(kHistorySection, key, "", 15);
        std::snprintf(key, sizeof key, "VersionTime%i", i);
        entry.time = settings.ReadString(kHistorySection, key, "", 15);
        history.push_back(std::move(entry));
    }
    return history;
}

void WriteHistory(const std::vector<InstalledVersion>& history, Profile& settings)
{
    settings.DeleteSection(kHistorySection);
    char key[32];
    int i = 0;
    for (const InstalledVersion& entry : history) {
        ++i;
        std::snprintf(key, sizeof key, "Version%i", i);
        settings.WriteString(kHistorySection, key, entry.version.c_str());
        std::snprintf(key, sizeof key, "VersionDate%i", i);
        settings.WriteString(kHistorySection, key, entry.date.c_str());
        std::snprintf(key, sizeof key, "VersionTime%i", i);
        settings.WriteString(kHistorySection, key, entry.time.c_str());
    }
}

void AppendHistory(std::vector<InstalledVersion>& history, InstalledVersion entry)
{
    while (history.size() >= static_cast<std::size_t>(kMaxHistoryEntries))
        history.erase(history.begin());
    history.push_back(std::move(entry));
}

std::string HistoryDateText(std::string_view stored, int contentLanguage)
{
    YearMonthDay d = ParseDate(stored);
    char text[64];
    if (contentLanguage == 1)
        std::snprintf(text, sizeof text, "%02i/%02i/%04i", d.day, d.month, d.year);
    else
        std::snprintf(text, sizeof text, "%02i-%02i-%04i", d.month, d.day, d.year);
    return text;
}

int ProgressPercent(std::int64_t received, std::int64_t total)
{
    if (total <= 0)
        return 0;
    if (received > total)
        received = total;
    if (received < 0)
        received = 0;
    return static_cast<int>(100 - (total - received) * 100 / total);
}

std::string FormatNumbers(std::string_view format, std::initializer_list<long long> numbers)
{
    std::string text;
    auto next = numbers.begin();
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] == '%' && i + 1 < format.size() && format[i + 1] == 'i') {
            if (next != numbers.end())
                text += std::to_string(*next++);
            ++i;
        } else {
            text += format[i];
        }
    }
    return text;
}
