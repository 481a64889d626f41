#pragma once
// The program's one message loop: every message is first offered to the launcher dialog.
int RunMessageLoop();
