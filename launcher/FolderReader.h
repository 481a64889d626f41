#pragma once
// Reading the favorites folder: one folder's entries and one shortcut's address. The Win32
// side implements it with the file-finding and profile functions; tests with a fake tree.
#include <cstddef>
#include <string>
#include <vector>

struct FolderEntry {
    std::string name;          // as the enumeration gives it, "." and ".." included
    bool isDirectory = false;
    bool hidden = false;
    bool system = false;
    // When name holds characters the code page cannot carry, the ANSI file functions cannot
    // open it by that name; the system's short name can. Empty when name itself opens.
    std::string accessName;

    // The name to join to the folder for opening or walking the entry.
    const std::string& OpenName() const { return accessName.empty() ? name : accessName; }
};

class FolderReader {
public:
    virtual ~FolderReader() = default;
    // Every entry of folder (the pattern "<folder>\*.*"), in enumeration order; none when the
    // folder cannot be read.
    virtual std::vector<FolderEntry> List(const std::string& folder) const = 0;
    // "URL" of section "InternetShortcut" of the file, cut at maxChars; empty when missing.
    virtual std::string ReadShortcutUrl(const std::string& path, std::size_t maxChars) const = 0;
};

// Paths longer than this cannot be opened by the ANSI file functions, so walks do not go there;
// this also bounds how deep a walk can go.
constexpr std::size_t kMaxPathChars = 259;

// The folder without backslashes at its end, but a drive's root ("C:\") as it is. Walks hand
// the reader folders in this form.
std::string NormalizedFolder(const std::string& folder);

// folder + "\" + name, without doubling a backslash at the end of folder.
std::string JoinPath(const std::string& folder, const std::string& name);
