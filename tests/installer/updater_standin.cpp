// Stands in for the program and for its installer in the updater's tests, whichever it is
// copied as. As an installer (started with "/S /D=folder") it does what the file
// "standin-installer.txt" beside it says: "fail" spoils the program file and exits with 2,
// "ok" exits with 0. As the program it appends its command line to "started.txt" beside it.
#include <windows.h>

#include <cstring>
#include <string>

namespace {

std::string Folder()
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, sizeof path);
    std::string text(path);
    return text.substr(0, text.find_last_of('\\') + 1);
}

std::string ReadAll(const std::string& path)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return std::string();
    char buffer[256] = {};
    DWORD got = 0;
    ReadFile(file, buffer, sizeof buffer - 1, &got, nullptr);
    CloseHandle(file);
    return std::string(buffer, got);
}

void Write(const std::string& path, const std::string& text, bool append)
{
    HANDLE file = CreateFileA(path.c_str(), append ? FILE_APPEND_DATA : GENERIC_WRITE, 0, nullptr,
                              append ? OPEN_ALWAYS : CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return;
    DWORD written = 0;
    WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(file);
}

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int)
{
    const std::string folder = Folder();
    const char* target = std::strstr(commandLine, "/D=");
    if (std::strstr(commandLine, "/S") && target) {
        std::string mode = ReadAll(folder + "standin-installer.txt");
        Write(folder + "installer-ran.txt", commandLine, false);
        if (mode.compare(0, 4, "fail") == 0) {
            Write(std::string(target + 3) + "\\Quorvane.exe", "half-written", false);
            return 2;
        }
        return 0;
    }
    Write(folder + "started.txt", std::string(commandLine) + "\n", true);
    return 0;
}
