#include "mail/SmtpReply.h"

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

void SmtpReplyReader::Feed(const char* bytes, std::size_t size)
{
    if (broken_)
        return;
    pending_.append(bytes, size);
    Scan();
}

bool SmtpReplyReader::Take(SmtpReply& reply)
{
    if (!ready_ || broken_)
        return false;
    reply = current_;
    current_ = SmtpReply();
    ready_ = false;
    Scan();
    return true;
}

void SmtpReplyReader::Clear()
{
    pending_.clear();
    current_ = SmtpReply();
    ready_ = false;
    broken_ = false;
}

void SmtpReplyReader::Scan()
{
    std::size_t start = 0;
    while (!ready_ && !broken_) {
        std::size_t end = pending_.find('\n', start);
        if (end == std::string::npos) {
            if (pending_.size() - start > kMaxLineChars + 1)
                broken_ = true;
            break;
        }
        // A lone LF ends a line as well as CRLF: some servers send it.
        std::size_t lineEnd = end > start && pending_[end - 1] == '\r' ? end - 1 : end;
        std::size_t length = lineEnd - start;
        if (length > kMaxLineChars || length < 3 || !IsDigit(pending_[start]) ||
            !IsDigit(pending_[start + 1]) || !IsDigit(pending_[start + 2]) ||
            (length > 3 && pending_[start + 3] != ' ' && pending_[start + 3] != '-')) {
            broken_ = true;
            break;
        }
        const char* line = pending_.data() + start;
        current_.code = (line[0] - '0') * 100 + (line[1] - '0') * 10 + (line[2] - '0');
        current_.text = length > 4 ? std::string(line + 4, length - 4) : std::string();
        ++current_.lines;
        bool last = length == 3 || line[3] == ' ';
        start = end + 1;
        if (last)
            ready_ = true;
        else if (current_.lines >= kMaxLines)
            broken_ = true;
    }
    pending_.erase(0, start);
    if (broken_)
        pending_.clear();
}
