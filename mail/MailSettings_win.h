#pragma once
// The mail settings of the option record (section "Smtp") as the mail threads and the
// settings dialog share them: the dialog stores under a lock, each mail takes a copy under it.
#include "mail/ChangeMail.h"

MailSettings CurrentMailSettings();
// Stores the settings into the option record and saves the options file at once.
void StoreMailSettings(const MailSettings& settings);
