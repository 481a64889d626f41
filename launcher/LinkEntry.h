#pragma once
// One named address: a search engine, a typed address, a favorite, and the base of a
// monitored page. An engine's urlString is its search pattern with "%s" where the text goes.
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class Profile;

class LinkEntry {
public:
    LinkEntry() = default;
    LinkEntry(std::string name_, std::string urlString_, std::string urlBase_, int enabled_ = 1)
        : name(std::move(name_)), urlString(std::move(urlString_)), urlBase(std::move(urlBase_)),
          enabled(enabled_) {}
    virtual ~LinkEntry() = default;

    // Writes the record as key "<section><index>" of section: name|"urlString"|urlBase|enabled.
    virtual void Write(Profile& profile, const char* section, int index) const;
    // Reads key "<section><index>"; false when the key is missing or holds no name.
    virtual bool Read(const Profile& profile, const char* section, int index);

    // The stored form of one record, and its parse (false when the value has no name). Fields
    // split at "|"; a missing field is empty, a missing in-use flag is 1; the pattern loses its
    // opening quote and is cut before its last one, and may itself hold "|".
    std::string Format() const;
    bool Parse(std::string_view value);

    std::string name;
    std::string urlString;
    std::string urlBase;
    int enabled = 1;

    // A copy of the same dynamic type (lists own their records through pointers).
    virtual std::unique_ptr<LinkEntry> Clone() const { return std::unique_ptr<LinkEntry>(new LinkEntry(*this)); }

protected:
    // Copying is for Clone only, so that a derived record is never sliced by accident.
    LinkEntry(const LinkEntry&) = default;
    LinkEntry& operator=(const LinkEntry&) = default;
};

using LinkList = std::vector<std::unique_ptr<LinkEntry>>;

// Replaces target by copies of every entry of source.
void CopyLinkList(const LinkList& source, LinkList& target);
