#pragma once
// Access to the settings file. The program itself uses the Windows profile functions
// (Win32Profile); the portable code sees only this interface, so it is tested natively
// against an in-memory file with the same rules.
#include <cstddef>
#include <string>

class Profile {
public:
    virtual ~Profile() = default;

    // The value of key in section, cut to maxChars characters; def when the key is missing.
    // Keys and sections match without regard to letter case.
    virtual std::string ReadString(const char* section, const char* key, const char* def,
                                   std::size_t maxChars) const = 0;
    // Writes value at once; a null value removes the key.
    virtual void WriteString(const char* section, const char* key, const char* value) = 0;
    // Removes the whole section with every key in it.
    virtual void DeleteSection(const char* section) = 0;

    // Numbers are decimal text; a value is read as its leading decimal integer (0 when it has
    // none) and def applies only when the key is missing.
    int ReadInt(const char* section, const char* key, int def) const;
    void WriteInt(const char* section, const char* key, int value);
};
