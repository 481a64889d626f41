#pragma once
// One watched page ("link" in the user interface): a LinkEntry whose name is also the name of
// its folder of stored copies, with its change state and the date, time and count of changes.
#include <memory>
#include <string>
#include <string_view>

#include "launcher/LinkEntry.h"

// Bits of MonitoredPage::state.
constexpr int kPageUpdated = 0x10;         // a change was seen; cleared by an equal strict check
constexpr int kPageModified = 0x40;        // unread: skipped by checks until marked read
constexpr int kPageChangedThisRun = 0x80;  // changed since the program started; never stored

// The clock as the change stamp and the schedule read it.
struct LocalTime {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
};

class MonitoredPage : public LinkEntry {
public:
    MonitoredPage() = default;
    MonitoredPage(std::string name_, std::string link_, std::string extra_ = std::string())
        : LinkEntry(std::move(name_), std::move(link_), std::move(extra_), 1) {}
    MonitoredPage(const MonitoredPage&) = default;
    MonitoredPage& operator=(const MonitoredPage&) = default;

    // Key "<section><index>": name|"link"|extra|enabled|state|mail|open|date|time|count, with
    // bit 0x80 of the state left out. Read returns false when the key is missing or empty.
    void Write(Profile& profile, const char* section, int index) const override;
    bool Read(const Profile& profile, const char* section, int index) override;

    // The stored line and its parse. A "|" inside the link is written as "%7C" (the same
    // address to any server) so that it cannot split the line; reading is unchanged.
    std::string FormatPage() const;
    void ParsePage(std::string_view value);

    std::unique_ptr<LinkEntry> Clone() const override { return std::make_unique<MonitoredPage>(*this); }

    bool Modified() const { return (state & kPageModified) != 0; }
    // 1 sets Modified; 0 clears Modified and ChangedThisRun. (The caller updates the launcher
    // tree's bold mark.)
    void SetModified(int flag);
    void StampChange(const LocalTime& now);
    // ChangeDate for display: DD/MM/YYYY in French, MM-DD-YYYY otherwise; empty when empty.
    std::string DisplayDate(bool french) const;

    int state = 0;
    int mailOnChange = 0;
    int openOnChange = 0;
    std::string changeDate;   // "%04i%02i%02i"
    std::string changeTime;   // "%02i:%02i"
    int changeCount = 0;
};

// The name as the Add/Edit dialog keeps it: trimmed, "\", "/" and "=" made "-", and
// ":", ".", "<", ">", "+", "*", "|" and "?" made blanks.
std::string CleanPageName(std::string_view name);
