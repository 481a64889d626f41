#pragma once
// The stored copies on disk, through the ANSI file functions.
#include "webalert/PageFiles.h"

class Win32PageFiles : public PageFileSystem {
public:
    bool ReadWhole(const std::string& path, std::string& bytes) override;
    bool WriteWhole(const std::string& path, std::string_view bytes) override;
    bool Exists(const std::string& path) override;
    bool CopyOver(const std::string& from, const std::string& to) override;
    bool Delete(const std::string& path) override;
    bool CreateFolder(const std::string& path) override;
    bool RemoveFolder(const std::string& path) override;
};
