#pragma once
// The favorites folder as the file system holds it.
#include "launcher/FolderReader.h"

class Win32FolderReader : public FolderReader {
public:
    std::vector<FolderEntry> List(const std::string& folder) const override;
    std::string ReadShortcutUrl(const std::string& path, std::size_t maxChars) const override;
};
