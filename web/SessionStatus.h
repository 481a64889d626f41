#pragma once
// What the session road shows in its status window: which text a platform status
// notification gives, and the progress text of a read. The texts are string-table ids; the
// Win32 side loads them and formats with FormatStatusText.
#include <cstdarg>
#include <cstddef>
#include <cstdint>
#include <string>

// The session keeps its status text in a buffer of this size; longer texts are cut.
constexpr std::size_t kStatusTextBufferSize = 512;

struct StatusTextChoice {
    enum class Action { Keep, Clear, Show };
    enum class Argument {
        None,
        InfoText,          // the notification's information, as text
        CompletionFields,  // the two 32-bit fields of an asynchronous result
        StatusValue,       // the status number itself
    };
    Action action = Action::Keep;
    int stringId = 0;       // when Show
    Argument argument = Argument::None;
};

StatusTextChoice ChooseStatusText(std::uint32_t status, std::uint32_t infoLength);

// The notification's information as text: at most infoLength bytes, ending at a NUL.
std::string StatusInfoText(const void* info, std::uint32_t infoLength);

struct ReadProgress {
    int stringId = 0;            // "Read %d bytes" or, with a rate, "Read %d bytes (%0.1f Kb/s)"
    int totalBytes = 0;
    double kilobytesPerSecond = 0.0;
    bool withRate = false;
};

// After a chunk: the text to show for totalBytes read in elapsedMilliseconds. The rate shows
// from the first whole second on.
ReadProgress DescribeReadProgress(long long totalBytes, std::uint32_t elapsedMilliseconds);

// printf-style formatting into the status buffer, cut at its size.
std::string FormatStatusText(const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;
std::string FormatStatusTextV(const char* format, std::va_list arguments)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 0)))
#endif
    ;
