#pragma once
#include <string>

// The full path of a sound file: a name without a backslash lies in the program's folder.
std::string SoundFilePath(const std::string& name);
// Plays a wave file asynchronously; false when it cannot be played.
bool PlayNotificationSound(const std::string& name);
