#pragma once
// Fetching one file of the update site into a local file. The network waits happen on a
// thread of their own, so the progress window stays painted and its Cancel button works;
// connect, send and receive are bounded, and so is the whole fetch.
#include <windows.h>

#include <cstdint>
#include <string>

class UpdateProgress;

enum class FetchResult {
    Ok,          // a 2xx answer, read to its end, stored whole
    NoSession,   // the internet layer could not be opened
    Failed,      // no answer, a broken or too long answer, a file that could not be written
    HttpError,   // an answer with a status other than 2xx
    Cancelled,   // the user cancelled, or the fetch ran past its deadline
};

struct FetchJob {
    std::string address;
    std::string path;              // created or truncated; deleted again unless the fetch is Ok
    std::int64_t maxBytes = 0;     // a longer answer is a failure
    std::int64_t total = 0;        // with a progress window: the expected size shown, 0 for none
    DWORD deadlineMs = 60000;
};

// Runs the fetch; progress may be null.
FetchResult FetchToFile(const FetchJob& job, UpdateProgress* progress);

// The limits of every fetch: 30 s for each connect, send and receive by default. Tests shorten
// them; 0 keeps the default.
void SetUpdateFetchTimeoutForTests(DWORD callTimeoutMs);
DWORD UpdateFetchCallTimeout();
