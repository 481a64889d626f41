#include "launcher/FolderReader.h"

std::string JoinPath(const std::string& folder, const std::string& name)
{
    if (!folder.empty() && folder.back() == '\\')
        return folder + name;
    return folder + "\\" + name;
}

std::string NormalizedFolder(const std::string& folder)
{
    std::string out = folder;
    while (out.size() > 1 && out.back() == '\\' && !(out.size() == 3 && out[1] == ':'))
        out.pop_back();
    return out;
}

bool WalkEnters(const std::string& folder, const FolderEntry& entry, int depth)
{
    if (!entry.isDirectory || entry.reparsePoint || entry.name.empty() || entry.name == "." || entry.name == "..")
        return false;
    if (depth + 1 > kMaxWalkDepth)
        return false;
    return JoinPath(folder, entry.OpenName()).size() <= kMaxPathChars;
}
