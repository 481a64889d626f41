#pragma once
// Reading the server's replies: a reply is one or more lines "NNN-text" ended by "NNN text".
// Bytes arrive in arbitrary pieces; the reader keeps what follows a complete reply for the
// next one. A server that sends something that is not a reply, or a line far longer than any
// server needs, is taken as broken rather than buffered without end.
#include <cstddef>
#include <string>

struct SmtpReply {
    int code = 0;          // the three-digit code of the last line
    std::string text;      // the text of the last line, after the code and separator
    int lines = 0;
};

class SmtpReplyReader {
public:
    // A reply line longer than this (without its line break) marks the server broken. Servers
    // keep to 512; generous room for odd ones, none for a flood.
    static constexpr std::size_t kMaxLineChars = 4096;
    // More continuation lines than this in one reply mark the server broken too.
    static constexpr int kMaxLines = 512;

    void Feed(const char* bytes, std::size_t size);
    // Moves the next complete reply out; false while it is incomplete or the server is broken.
    bool Take(SmtpReply& reply);
    bool Broken() const { return broken_; }
    void Clear();

private:
    // Parses complete lines from pending_ until a last line ends a reply.
    void Scan();

    std::string pending_;      // bytes not yet parsed into lines
    SmtpReply current_;        // the reply being read
    bool ready_ = false;       // current_ is complete
    bool broken_ = false;
};
