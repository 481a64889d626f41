#pragma once
// The end of the run, in order: mini browser windows (the last ends the message loop),
// hotkeys, then the application object's resources. Launched programs keep running.
void ShutDown();
