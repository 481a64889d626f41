// The change mails: each on a thread of its own, with its own copies of the notice and the
// settings, so that nothing it reads can change or go away under it.
#include <windows.h>

#include <memory>

#include "app/ResourceLoader_win.h"
#include "app/Subsystems_win.h"
#include "mail/ChangeMail.h"
#include "mail/MailSettings_win.h"
#include "mail/MailText.h"
#include "mail/SmtpClient.h"
#include "mail/WinSockTransport_win.h"
#include "resources/ResourceIds.h"

namespace {

struct MailJob {
    ChangeNotice notice;
    MailSettings settings;
    ChangeMailTexts texts;
    std::string charset;
};

// The thread's exit code is 1 when the mail was sent, 0 otherwise.
DWORD WINAPI MailThread(LPVOID parameter) noexcept
{
    std::unique_ptr<MailJob> job(static_cast<MailJob*>(parameter));
    try {
        SmtpClient client(std::make_unique<WinSockTransport>());
        client.SetCharset(job->charset);
        return SendChangeMail(client, job->notice, job->settings, job->texts, [] { MessageBeep(0); }) ? 1 : 0;
    } catch (...) {
        return 0;
    }
}

}  // namespace

void StartMailThread(HWND, const ChangeNotice& notice)
{
    std::unique_ptr<MailJob> job;
    try {
        job.reset(new MailJob{notice, CurrentMailSettings(),
                              {LoadText(IDS_WEBALERT_TITLE), LoadText(IDS_MAIL_DETAILED), LoadText(IDS_MAIL_BRIEF)},
                              MimeCharsetOfCodePage(GetACP())});
    } catch (...) {
        return;
    }
    HANDLE thread = CreateThread(nullptr, 0, MailThread, job.get(), 0, nullptr);
    if (!thread)
        return;
    job.release();   // the thread owns it now
    CloseHandle(thread);
}
