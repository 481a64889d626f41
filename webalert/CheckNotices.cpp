#include "webalert/CheckNotices.h"

namespace {
constexpr std::size_t kNameChars = 30;
constexpr std::size_t kTextLimit = 249;
} // namespace

std::string BalloonText(const std::string& header, const std::vector<MonitoredPage>& pages)
{
    std::string names;
    for (const MonitoredPage& page : pages) {
        const int marks = kPageChangedThisRun | kPageModified;
        if (!page.enabled || (page.state & marks) != marks)
            continue;
        std::string name = page.name.size() > kNameChars ? page.name.substr(0, kNameChars) + "..." : page.name;
        if (names.size() + header.size() + name.size() > kTextLimit) {
            names += "\n...";
            break;
        }
        names += "\n" + name;
    }
    return header + "\n" + names;
}

ChangeNotice NoticeFor(const MonitoredPage& page, bool french)
{
    ChangeNotice notice;
    notice.name = page.name;
    notice.link = page.urlString;
    notice.displayDate = page.DisplayDate(french);
    notice.changeTime = page.changeTime;
    return notice;
}
