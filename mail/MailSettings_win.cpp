#include "mail/MailSettings_win.h"

#include <mutex>

#include "app/AppContext_win.h"
#include "app/OptionRecord.h"
#include "app/Win32Profile_win.h"

namespace {

std::mutex& SettingsLock()
{
    static std::mutex lock;
    return lock;
}

}  // namespace

MailSettings CurrentMailSettings()
{
    std::lock_guard<std::mutex> hold(SettingsLock());
    const OptionRecord& o = Options();
    MailSettings s;
    s.server = o.MailSmtp;
    s.sender = o.MailSender;
    s.to = o.MailTo;
    s.cc = o.MailCC;
    s.message = o.MailMSG;
    s.brief = o.MailNoDetailed != 0;
    return s;
}

void StoreMailSettings(const MailSettings& s)
{
    {
        std::lock_guard<std::mutex> hold(SettingsLock());
        OptionRecord& o = Options();
        o.MailSmtp = s.server;
        o.MailSender = s.sender;
        o.MailTo = s.to;
        o.MailCC = s.cc;
        o.MailMSG = s.message;
        o.MailNoDetailed = s.brief ? 1 : 0;
    }
    SaveOptions(Options(), Settings());
}
