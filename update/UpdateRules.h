#pragma once
// The update's decisions that need no system: version comparison, when the periodic check is
// due, the settings and the history of installed versions.
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "app/Dates.h"

class Profile;

constexpr const char kDefaultUpdateUrl[] = "http://www.quorvane.com/download";
constexpr std::size_t kUpdateUrlChars = 511;
constexpr int kMaxHistoryEntries = 500;

// The number a version text stands for: the part before the first space, its first "." read as
// "0", then the leading decimal number ("1.01 03-05-2004" -> 1001, "1.1" -> 101); 0 without one.
int VersionNumber(std::string_view text);
bool IsNewerVersion(std::string_view remote, std::string_view local);

// CheckEvery: 0 manual, 1 at every start, 2 daily, 3 weekly, 4 monthly.
// stored is DateUpdate (local date of the last automatic check), today the date of the clock.
bool UpdateCheckDue(int checkEvery, const YearMonthDay& stored, const YearMonthDay& today);

// "%04i%02i%02i" and "%02i:%02i".
std::string DateText(int year, int month, int day);
std::string TimeText(int hour, int minute);

struct UpdateSettings {
    int CheckEvery = 0;
    int AutoInstall = 0;
    std::string Url = kDefaultUpdateUrl;
    std::string DateUpdate;
    int ShowNews = 1;
};

UpdateSettings ReadUpdateSettings(const Profile& settings);
// Writes CheckEvery, AutoInstall, Url and ShowNews (DateUpdate is the automatic check's).
void WriteUpdateSettings(const UpdateSettings& values, Profile& settings);
void WriteCheckDate(const std::string& date, Profile& settings);

struct InstalledVersion {
    std::string version;
    std::string date;   // "%04i%02i%02i"
    std::string time;   // "%02i:%02i"
};

// Entries 1, 2, ... of section AutoUpdateVersion up to the first missing Version%i, at most 500.
std::vector<InstalledVersion> ReadHistory(const Profile& settings);
// Deletes the section, then writes entries 1 to N.
void WriteHistory(const std::vector<InstalledVersion>& history, Profile& settings);
// Appends entry; a full history gives up its oldest entry, so the newest is never lost.
void AppendHistory(std::vector<InstalledVersion>& history, InstalledVersion entry);

// A stored date as shown: "dd/mm/yyyy" for French content, else "mm-dd-yyyy".
std::string HistoryDateText(std::string_view stored, int contentLanguage);

// A string-table format with "%i" places filled in order with the numbers (a missing number
// leaves its place empty; other "%" sequences stay as they are).
std::string FormatNumbers(std::string_view format, std::initializer_list<long long> numbers);

// The progress bar's position: 100 - (total - received) * 100 / total; 0 when total is unknown.
int ProgressPercent(std::int64_t received, std::int64_t total);
