#pragma once
// Registry strings (ANSI), with the program's read rule: an empty value counts as absent.
#include <windows.h>

#include <string>

// Reads value name of root\subkey into out; true only when the text read is not empty.
// out is left unchanged otherwise. At most 1023 characters are read.
bool RegReadString(HKEY root, const char* subkey, const char* name, std::string& out);
bool RegKeyExists(HKEY root, const char* subkey);
// Deletes a key that has no subkeys.
void RegDeleteKeyNoSubkeys(HKEY root, const char* subkey);
// Creates or opens the key and stores a REG_SZ value.
bool RegWriteString(HKEY root, const char* subkey, const char* name, const char* text);
// Start at log-on: enable sets value name of HKCU\subkey to path, disable deletes it.
void SetRunValue(bool enable, const char* subkey, const char* name, const char* path);

constexpr char kRunKey[] = "SoftWare\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr char kShellFoldersKey[] = "SoftWare\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
