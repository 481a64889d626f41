#pragma once
// What a check tells when it found changes: the balloon's text and the notice handed to the
// change mail.
#include <string>
#include <vector>

#include "mail/ChangeNotice.h"
#include "webalert/MonitoredPage.h"

// The header, a blank line's worth of "\n", then the names of the enabled pages changed in
// this run and still unread, in list order, one a line; a name longer than 30 characters is
// cut to 30 followed by "...". Names stop with "\n..." before the text would pass 249
// characters.
std::string BalloonText(const std::string& header, const std::vector<MonitoredPage>& pages);

ChangeNotice NoticeFor(const MonitoredPage& page, bool french);
