#pragma once
// What a change mail tells of one page. The check takes this copy when the page changes, so
// the mail thread never reads the page list that the check and the user-interface threads share.
#include <string>

struct ChangeNotice {
    std::string name;         // the page's name
    std::string link;         // its address
    std::string displayDate;  // the change date as the monitor shows it
    std::string changeTime;   // the change time, "%02i:%02i"
};
