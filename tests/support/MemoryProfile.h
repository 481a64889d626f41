#pragma once
// An in-memory settings file with the rules of the Windows profile functions: sections and
// keys match without regard to case, a write replaces the value in place, sections and keys
// keep their order of first writing. Used by the native tests of the portable code.
#include <string>
#include <utility>
#include <vector>

#include "app/Profile.h"
#include "app/TextUtil.h"

class MemoryProfile : public Profile {
public:
    struct Section {
        std::string name;
        std::vector<std::pair<std::string, std::string>> keys;
    };

    std::string ReadString(const char* section, const char* key, const char* def,
                           std::size_t maxChars) const override
    {
        ++reads;
        if (const Section* s = Find(section))
            for (const auto& kv : s->keys)
                if (EqualsNoCase(kv.first, key))
                    return Cut(kv.second, maxChars);
        return Cut(def ? def : "", maxChars);
    }

    void WriteString(const char* section, const char* key, const char* value) override
    {
        ++writes;
        Section* s = Find(section);
        if (!s) {
            if (!value)
                return;
            sections.push_back({section, {}});
            s = &sections.back();
        }
        for (auto it = s->keys.begin(); it != s->keys.end(); ++it) {
            if (EqualsNoCase(it->first, key)) {
                if (value)
                    it->second = value;
                else
                    s->keys.erase(it);
                return;
            }
        }
        if (value)
            s->keys.emplace_back(key, value);
    }

    void DeleteSection(const char* section) override
    {
        ++writes;
        for (auto it = sections.begin(); it != sections.end(); ++it)
            if (EqualsNoCase(it->name, section)) {
                sections.erase(it);
                return;
            }
    }

    // Test helpers.
    bool Has(const char* section, const char* key) const
    {
        if (const Section* s = Find(section))
            for (const auto& kv : s->keys)
                if (EqualsNoCase(kv.first, key))
                    return true;
        return false;
    }
    // The key as spelled in the file (empty when missing).
    std::string SpellingOf(const char* section, const char* key) const
    {
        if (const Section* s = Find(section))
            for (const auto& kv : s->keys)
                if (EqualsNoCase(kv.first, key))
                    return kv.first;
        return std::string();
    }
    std::size_t KeyCount(const char* section) const
    {
        const Section* s = Find(section);
        return s ? s->keys.size() : 0;
    }

    std::vector<Section> sections;
    mutable int reads = 0;
    int writes = 0;

private:
    const Section* Find(const char* name) const
    {
        for (const Section& s : sections)
            if (EqualsNoCase(s.name, name))
                return &s;
        return nullptr;
    }
    Section* Find(const char* name)
    {
        return const_cast<Section*>(static_cast<const MemoryProfile*>(this)->Find(name));
    }
};
