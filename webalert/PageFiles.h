#pragma once
// The two stored copies of a page, "url.html" (the current copy) and "urBackup.html" (the one
// before), in the page's folder under the data folder. The file system is reached through
// PageFileSystem: the Win32 calls in the program, an in-memory one in the native tests.
#include <string>
#include <string_view>

class PageFileSystem {
public:
    virtual ~PageFileSystem() = default;
    // The whole file; false when it cannot be opened or fewer bytes than its length were read.
    virtual bool ReadWhole(const std::string& path, std::string& bytes) = 0;
    // Creates or truncates the file and writes every byte; false on any failure.
    virtual bool WriteWhole(const std::string& path, std::string_view bytes) = 0;
    virtual bool Exists(const std::string& path) = 0;
    // Copies, overwriting the target; false when the source cannot be read or the target written.
    virtual bool CopyOver(const std::string& from, const std::string& to) = 0;
    virtual bool Delete(const std::string& path) = 0;
    // Creates the folder; true when it exists afterwards and did not exist before.
    virtual bool CreateFolder(const std::string& path) = 0;
    // Removes an empty folder.
    virtual bool RemoveFolder(const std::string& path) = 0;
};

extern const char* const kCurrentCopyName;   // "url.html"
extern const char* const kPreviousCopyName;  // "urBackup.html"

// Whether a page name can be the name of its folder: one path component that Windows keeps as
// written, so that reading, writing and deleting stay inside that folder. Not: empty, "." or
// "..", a device name ("CON", "nul.txt", "COM1", ...), control characters or any of \ / : * ? " < > |,
// a trailing blank or dot, or a name that makes the longest copy's path too long.
bool IsSafeFolderName(const std::string& dataFolder, std::string_view name);

// The page folder (data folder, which ends in a backslash, followed by the name) and the
// copies' paths; empty when the name is no safe folder name.
std::string PageFolderPath(const std::string& dataFolder, std::string_view name);
std::string CurrentCopyPath(const std::string& dataFolder, std::string_view name);
std::string PreviousCopyPath(const std::string& dataFolder, std::string_view name);

// The page operations on the stored copies. None of them reports a failure; a page whose
// name is no safe folder name has no stored copies and nothing is touched.
class PageFolders {
public:
    PageFolders(PageFileSystem& files, std::string dataFolder)
        : files_(files), dataFolder_(std::move(dataFolder)) {}

    // The current copy; false when there is none or it cannot be read whole.
    bool ReadCurrentCopy(std::string_view name, std::string& bytes);
    void SaveCurrentCopy(std::string_view name, std::string_view body);
    // The current copy becomes the previous one. When there is no current copy the previous
    // one goes too; when the current one cannot be copied the previous one stays.
    void RotateCopies(std::string_view name);
    void DeletePageFiles(std::string_view name);
    // Moves the copies from the old name's folder to the new one's; false (everything left in
    // the old folder) when the new folder cannot be made, exists already, or the current copy
    // cannot be copied.
    bool RenamePageFolder(std::string_view oldName, std::string_view newName);

    const std::string& DataFolder() const { return dataFolder_; }

private:
    PageFileSystem& files_;
    std::string dataFolder_;
};
