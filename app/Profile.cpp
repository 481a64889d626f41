#include "app/Profile.h"

#include "app/TextUtil.h"

int Profile::ReadInt(const char* section, const char* key, int def) const
{
    // A sentinel that no settings value can hold tells a missing key from an empty one.
    static const char kMissing[] = "\x01missing";
    std::string text = ReadString(section, key, kMissing, 63);
    if (text == kMissing)
        return def;
    return LeadingInt(text.c_str());
}

void Profile::WriteInt(const char* section, const char* key, int value)
{
    WriteString(section, key, std::to_string(value).c_str());
}
