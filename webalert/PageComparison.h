#pragma once
// Whether a fetched page differs from its stored copy, by the comparison options. Both texts
// are taken whole, NUL bytes included: a page in UTF-16 is compared to its end.
#include <string>
#include <string_view>

struct CompareOptions {
    bool strict = false;      // WebAlertCMPStrict: any byte that differs
    bool noScript = false;    // WebAlertCMPNoScript: script elements left out of both texts
    bool size = true;         // WebAlertCMPSize (without strict): lengths within the tolerance
    int sizeTolerance = 64;   // WebAlertCMPSizeTol, in bytes
};

enum class CompareVerdict {
    NoContent,   // nothing was fetched: the page stays as it was
    Changed,
    Equal,       // strict comparison found no difference: the Updated mark may go
    Unchanged,   // not a change by the options in force
};

// stored is null when there is no readable stored copy (which counts as a change).
CompareVerdict ComparePage(const CompareOptions& options, std::string_view fetched, const std::string* stored);
