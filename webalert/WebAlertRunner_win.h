#pragma once
// The message-only window through which a check's news reach the user-interface thread;
// made at start-up (and by the first check when missing).
void CreateCheckNotifier();
