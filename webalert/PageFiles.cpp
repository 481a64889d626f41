#include "webalert/PageFiles.h"

#include "app/TextUtil.h"

const char* const kCurrentCopyName = "url.html";
const char* const kPreviousCopyName = "urBackup.html";

namespace {
// The longest path the ANSI file functions take, less its terminating NUL.
constexpr std::size_t kMaxPath = 259;

bool IsDeviceName(std::string_view name)
{
    // Windows maps these to devices whatever the extension and the blanks before it.
    std::string base = ToUpperAnsi(name.substr(0, name.find('.')));
    while (!base.empty() && base.back() == ' ')
        base.pop_back();
    for (const char* device : {"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$"})
        if (base == device)
            return true;
    if (base.size() == 4 && (StartsWith(base, "COM") || StartsWith(base, "LPT")) && base[3] >= '0' && base[3] <= '9')
        return true;
    return false;
}

std::string Join(const std::string& folder, const char* file)
{
    return folder.empty() ? std::string() : folder + "\\" + file;
}
} // namespace

bool IsSafeFolderName(const std::string& dataFolder, std::string_view name)
{
    if (name.empty() || name == "." || name == "..")
        return false;
    for (char c : name) {
        const unsigned char u = static_cast<unsigned char>(c);
        if (u < 32 || std::string_view("\\/:*?\"<>|").find(c) != std::string_view::npos)
            return false;
    }
    if (name.back() == ' ' || name.back() == '.')
        return false;
    if (IsDeviceName(name))
        return false;
    // data folder + name + "\urBackup.html"
    return dataFolder.size() + name.size() + 1 + std::string_view(kPreviousCopyName).size() <= kMaxPath;
}

std::string PageFolderPath(const std::string& dataFolder, std::string_view name)
{
    if (!IsSafeFolderName(dataFolder, name))
        return std::string();
    return dataFolder + std::string(name);
}

std::string CurrentCopyPath(const std::string& dataFolder, std::string_view name)
{
    return Join(PageFolderPath(dataFolder, name), kCurrentCopyName);
}

std::string PreviousCopyPath(const std::string& dataFolder, std::string_view name)
{
    return Join(PageFolderPath(dataFolder, name), kPreviousCopyName);
}

bool PageFolders::ReadCurrentCopy(std::string_view name, std::string& bytes)
{
    bytes.clear();
    const std::string path = CurrentCopyPath(dataFolder_, name);
    return !path.empty() && files_.ReadWhole(path, bytes);
}

void PageFolders::SaveCurrentCopy(std::string_view name, std::string_view body)
{
    const std::string folder = PageFolderPath(dataFolder_, name);
    if (folder.empty())
        return;
    files_.CreateFolder(folder);
    files_.WriteWhole(Join(folder, kCurrentCopyName), body);
}

void PageFolders::RotateCopies(std::string_view name)
{
    const std::string folder = PageFolderPath(dataFolder_, name);
    if (folder.empty())
        return;
    files_.CreateFolder(folder);
    const std::string current = Join(folder, kCurrentCopyName);
    const std::string previous = Join(folder, kPreviousCopyName);
    // Copying over the old backup instead of deleting it first keeps it when the current copy
    // cannot be read (locked by another program).
    if (files_.Exists(current))
        files_.CopyOver(current, previous);
    else
        files_.Delete(previous);
}

void PageFolders::DeletePageFiles(std::string_view name)
{
    const std::string folder = PageFolderPath(dataFolder_, name);
    if (folder.empty())
        return;
    files_.Delete(Join(folder, kCurrentCopyName));
    files_.Delete(Join(folder, kPreviousCopyName));
    files_.RemoveFolder(folder);
}

bool PageFolders::RenamePageFolder(std::string_view oldName, std::string_view newName)
{
    const std::string oldFolder = PageFolderPath(dataFolder_, oldName);
    const std::string newFolder = PageFolderPath(dataFolder_, newName);
    if (oldFolder.empty() || newFolder.empty() || !files_.CreateFolder(newFolder))
        return false;
    if (!files_.CopyOver(Join(oldFolder, kCurrentCopyName), Join(newFolder, kCurrentCopyName)))
        return false;
    files_.Delete(Join(oldFolder, kCurrentCopyName));
    if (files_.CopyOver(Join(oldFolder, kPreviousCopyName), Join(newFolder, kPreviousCopyName)))
        files_.Delete(Join(oldFolder, kPreviousCopyName));
    files_.RemoveFolder(oldFolder);
    return true;
}
