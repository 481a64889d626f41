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
    // A junction or symbolic link: it may lead back up the tree, so walks never enter it.
    bool reparsePoint = false;

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

// Whatever the folders hold, a walk of the favorites goes at most this many folders deep
// below the favorites folder and lists at most this many entries in all; beyond that the user's
// menus and tree would be of no use anyway. (Menus nest at most 30 deep: a deeper chain would
// be refused whole by the system, near its top.)
constexpr int kMaxWalkDepth = 24;
constexpr std::size_t kMaxWalkEntries = 10000;

// What is left of one walk's allowance.
class WalkBudget {
public:
    // Takes a listing of count entries out of the allowance; false once it is spent (the
    // listing is then not used).
    bool Take(std::size_t count)
    {
        if (spent_ || count + 1 > left_) {
            spent_ = true;
            return false;
        }
        left_ -= count + 1;   // an empty folder costs a listing all the same
        return true;
    }
    bool Spent() const { return spent_; }

private:
    std::size_t left_ = kMaxWalkEntries;
    bool spent_ = false;
};

// Whether a walk at depth (0: the favorites folder) enters the subfolder entry of folder:
// a real folder, not "." or "..", not a reparse point, within the depth and path limits.
bool WalkEnters(const std::string& folder, const FolderEntry& entry, int depth);

// The folder without backslashes at its end, but a drive's root ("C:\") as it is. Walks hand
// the reader folders in this form.
std::string NormalizedFolder(const std::string& folder);

// folder + "\" + name, without doubling a backslash at the end of folder.
std::string JoinPath(const std::string& folder, const std::string& name);
