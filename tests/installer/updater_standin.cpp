// Stands in for the program and for its installer in the updater's tests, whichever it is
// copied as. As an installer (started with "/S /D=folder") it records its command line in
// "installer-ran.txt" and, when a file "standin-installer.txt" lies beside it, spoils the
// program file and exits with 2. As the program it appends its command line to "started.txt".
#include <windows.h>

#include <cstring>
#include <string>

namespace {

void Write(const std::string& path, const std::string& text, bool append)
{
    HANDLE file = CreateFileA(path.c_str(), append ? FILE_APPEND_DATA : GENERIC_WRITE, 0, nullptr,
                              append ? OPEN_ALWAYS : CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    if (file != INVALID_HANDLE_VALUE) {
        WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
        CloseHandle(file);
    }
}

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int)
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, sizeof path);
    const std::string folder = std::string(path).substr(0, std::string(path).find_last_of('\\') + 1);
    const char* target = std::strstr(commandLine, "/D=");
    if (!std::strstr(commandLine, "/S") || !target) {
        Write(folder + "started.txt", std::string(commandLine) + "\n", true);
        return 0;
    }
    Write(folder + "installer-ran.txt", commandLine, false);
    if (GetFileAttributesA((folder + "standin-installer.txt").c_str()) == INVALID_FILE_ATTRIBUTES)
        return 0;
    Write(std::string(target + 3) + "\\Quorvane.exe", "half-written", false);
    return 2;
}
