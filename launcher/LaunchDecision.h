#pragma once
// What an opener decided to do, apart from doing it: either a tracked shell launch or a job for
// the mini browser. The openers build these from the options; one small executor on the Win32
// side performs them, so every routing rule is testable without a shell.
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

struct OptionRecord;
class LinkEntry;

// Show commands of the shell, by value (the portable code has no <windows.h>).
constexpr int kShowNormal = 5;      // SW_SHOW
constexpr int kShowMaximized = 3;   // SW_SHOWMAXIMIZED
constexpr int kShowMinimized = 6;   // SW_MINIMIZE

struct LaunchDecision {
    enum class Kind {
        TrackedLaunch,          // verb, file, parameters, showCommand; the folder is always empty
        OpenInMiniBrowser,      // address, cacheFlag
        BringMiniBrowserToFront, // restore an existing mini browser if minimised, then front
        Refused                 // an address no program may be given: nothing is done
    };

    Kind kind = Kind::TrackedLaunch;
    std::string verb;
    std::string file;
    std::string parameters;
    int showCommand = kShowNormal;
    std::string address;
    int cacheFlag = 0;   // 1 for a search result (may come from the cache), 0 otherwise

    static LaunchDecision Launch(std::string verb, std::string file, std::string parameters, int showCommand);
    static LaunchDecision MiniBrowser(std::string address, int cacheFlag);
    static LaunchDecision MiniBrowserToFront();
    static LaunchDecision Refusal();

    bool operator==(const LaunchDecision& other) const;
    bool operator!=(const LaunchDecision& other) const { return !(*this == other); }
};

// Readable form for test failures and diagnostics.
std::ostream& operator<<(std::ostream& out, const LaunchDecision& decision);

// What the openers read: the options and the user's browser program.
struct LaunchContext {
    const OptionRecord& options;
    std::string browserProgram;
};

// The browser program as the application keeps it: "iexplore.exe" when the platform found
// none, and at most 255 characters (the application's field holds 256).
std::string BrowserProgramOrDefault(std::string_view found);

// The show command of every browser start, from StartBrowserMode (a radio button id).
int BrowserShowMode(int startBrowserMode);

// The address as one argument of a command line: in double quotes, with its quotes and the
// backslashes before them escaped, so that the program's command-line parser (the rules of
// CommandLineToArgvW and of the C run-time) gives back exactly the address. Empty for an empty
// address.
std::string QuoteCommandLineArgument(std::string_view address);

// Whether text holds a control character (tab, carriage return, line feed, ...): such an
// address is never handed to a program or to the shell.
bool HoldsControlCharacters(std::string_view text);

// A new instance of the browser program with the address as its only argument; refused when
// the address holds control characters.
LaunchDecision LaunchBrowserWith(std::string_view browserProgram, std::string_view address, int showCommand);

// An address for the user's browser: handed to the shell as the file when UseCurrentBrowser is
// set, else given to a new instance of the browser program as its parameter.
LaunchDecision RouteToBrowser(std::string_view address, const LaunchContext& context);

// An address opened with a mini-browser option: in the mini browser (cache flag 0) when the
// option is set, else to the browser as above.
LaunchDecision RouteAddress(std::string_view address, int miniBrowserFlag, const LaunchContext& context);

// Performs decisions. The Win32 side implements it with the tracked launch and the mini
// browser's Show; tests record the calls.
class LaunchExecutor {
public:
    virtual ~LaunchExecutor() = default;
    virtual void TrackedLaunch(const std::string& verb, const std::string& file,
                               const std::string& parameters, int showCommand) = 0;
    virtual void ShowMiniBrowser(const std::string& address, int cacheFlag) = 0;
    virtual void BringMiniBrowserToFront() = 0;
};

void Perform(const LaunchDecision& decision, LaunchExecutor& executor);
void Perform(const std::vector<LaunchDecision>& decisions, LaunchExecutor& executor);
