#pragma once
// What the monitor window shows and decides, apart from the window: the texts of its columns,
// which pages it lists, how a column sorts, whether a name typed in place may be taken, the
// mail handed to the mail program, and where a stored window rectangle may go.
#include <string>
#include <string_view>
#include <vector>

#include "webalert/MonitoredPage.h"
#include "webalert/PageFiles.h"

enum MonitorColumn {
    kColumnName = 0,
    kColumnLink = 1,
    kColumnDate = 2,
    kColumnTime = 3,
    kColumnCount = 4,
    kColumnEnabled = 5,
    kMonitorColumns = 6,
};

// Longer links are shown as their first 64 characters and "...".
constexpr std::size_t kShownLinkChars = 64;

// The text of one column; yes and no are the words of the "Enable" column.
std::string MonitorColumnText(const MonitoredPage& page, int column, bool french, const std::string& yes,
                              const std::string& no);

// The row filter: (not "only updated" or Modified) and (enabled or "show disabled").
bool MonitorRowAdmitted(const MonitoredPage& page, bool showDisabled, bool onlyUpdated);

// How a row is drawn.
enum class RowLook { Plain, ChangedThisRun, Unread, Disabled };
RowLook RowLookOf(const MonitoredPage& page);

// Ascending order of a column: name, link and stored date as text without regard to case,
// time by its seconds, count and enabled state by number. Negative, 0 or positive.
int CompareForColumn(const MonitoredPage& a, const MonitoredPage& b, int column);
// "HH:MM" or "HH:MM:SS" in seconds; what does not read as a time counts 0.
int TimeSeconds(std::string_view time);

// A name typed over a row, already cleaned: kept as it is (same text), refused (empty, or
// another page - or this one in another case - has it) or taken.
enum class RenameVerdict { Unchanged, Refused, Rename };
RenameVerdict JudgeRename(const std::vector<std::string>& names, std::string_view current, std::string_view cleaned);

// Moves the page's stored copies to the new name's folder; false, everything left in place,
// when that folder exists already or cannot be made, or the copies cannot be moved. A page
// that has no copies yet only needs the new folder to be free.
bool MovePageCopies(PageFileSystem& files, const std::string& dataFolder, std::string_view oldName,
                    std::string_view newName);

// The command that opens a new message in the default mail program: body from the format
// (four "%s": name, link, date, time), subject "[name]", both with "?", " ", "=", "&" (and
// "%", "#", '"', which would otherwise end or garble the address) percent-encoded.
std::string MailCommandLine(std::string_view bodyFormat, const std::string& name, const std::string& link,
                            const std::string& date, const std::string& time);

// A window rectangle (left, top, right, bottom) and the screens' work areas (the primary
// first): a rectangle of which too little would be seen (less than 64 x 24 pixels of its top
// edge on any screen) is brought back into the primary work area, shrunk to fit it.
struct ScreenRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};
ScreenRect BringOnScreen(ScreenRect rect, const std::vector<ScreenRect>& workAreas);
