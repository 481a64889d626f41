#pragma once
// Case-insensitive substring search over 8-bit texts, linear in text and needle: a
// failure-function search on the folded bytes, jumping with memchr while nothing is matched
// yet. Letter case folds as ToLowerAnsi does (the Windows Latin-1 code page).
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

class NoCaseFinder {
public:
    explicit NoCaseFinder(std::string_view needle);

    // Index of the first match starting at or after start, or npos. An empty needle matches
    // at start (when start is within the text, its end included).
    std::size_t FindIn(std::string_view text, std::size_t start) const;

    std::size_t Length() const { return folded_.size(); }

    static constexpr std::size_t npos = std::string_view::npos;

private:
    std::size_t NextFirst(const char* text, std::size_t size, std::size_t from) const;

    std::string folded_;
    std::vector<std::size_t> fail_;   // longest proper border of folded_[0..i]
    unsigned char firstLower_ = 0;
    unsigned char firstUpper_ = 0;     // equals firstLower_ when that byte has no case
};

// The index of the first case-insensitive match of needle in text at or after start, or -1.
// An empty needle matches at start; a start outside the text finds nothing.
std::ptrdiff_t FindNoCase(std::string_view text, std::string_view needle, std::ptrdiff_t start);
