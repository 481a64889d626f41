#pragma once
// The settings file through the Windows profile functions: every write reaches the file at
// once and nothing is cached here.
#include <string>

#include "app/Profile.h"

class Win32Profile : public Profile {
public:
    explicit Win32Profile(std::string path) : path_(std::move(path)) {}

    std::string ReadString(const char* section, const char* key, const char* def,
                           std::size_t maxChars) const override;
    void WriteString(const char* section, const char* key, const char* value) override;
    void DeleteSection(const char* section) override;

    const std::string& Path() const { return path_; }
    void SetPath(std::string path) { path_ = std::move(path); }

private:
    std::string path_;
};
