#include "updater/UpdaterSteps.h"

#include <cctype>
#include <cstring>

namespace {

constexpr std::size_t kMaxName = 200;   // leaves room for the folder within MAX_PATH

std::string Trim(const std::string& text)
{
    std::size_t begin = text.find_first_not_of(" \t\r\n");
    if (begin == std::string::npos)
        return std::string();
    std::size_t end = text.find_last_not_of(" \t\r\n");
    return text.substr(begin, end - begin + 1);
}

// The shell may hand the parameters over quoted, whole or name by name.
std::string Unquote(const std::string& text)
{
    std::string trimmed = Trim(text);
    if (trimmed.size() >= 2 && trimmed.front() == '"' && trimmed.back() == '"' &&
        trimmed.find('"', 1) == trimmed.size() - 1)
        return Trim(trimmed.substr(1, trimmed.size() - 2));
    return trimmed;
}

std::string Upper(const std::string& text)
{
    std::string result = text;
    for (char& c : result)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return result;
}

// CON, NUL, COM1... open a device whatever extension follows.
bool IsDeviceName(const std::string& name)
{
    std::string stem = Upper(name.substr(0, name.find('.')));
    stem = Trim(stem);
    static const char* const kDevices[] = {"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$"};
    for (const char* device : kDevices) {
        if (stem == device)
            return true;
    }
    if (stem.size() == 4 && (stem.compare(0, 3, "COM") == 0 || stem.compare(0, 3, "LPT") == 0) &&
        stem[3] >= '0' && stem[3] <= '9')
        return true;
    return false;
}

bool EndsWithBackslash(const std::string& text)
{
    return !text.empty() && text.back() == '\\';
}

std::string Join(const std::string& folder, const std::string& name)
{
    return EndsWithBackslash(folder) ? folder + name : folder + "\\" + name;
}

} // namespace

bool IsPlainFileName(const std::string& name)
{
    if (name.empty() || name.size() > kMaxName)
        return false;
    for (char c : name) {
        unsigned char u = static_cast<unsigned char>(c);
        if (u < 32 || std::strchr("\\/:*?\"<>|", c))
            return false;
    }
    if (name.find("..") != std::string::npos)
        return false;
    // Windows drops trailing dots and blanks, so "x.exe." would name another file than shown.
    if (name.back() == '.' || name.back() == ' ' || name.front() == ' ')
        return false;
    return !IsDeviceName(name);
}

bool ParseUpdaterRequest(const std::string& parameters, UpdaterRequest* request)
{
    std::string text = Unquote(parameters);
    std::size_t comma = text.find(',');
    if (comma == std::string::npos)
        return false;
    std::string installer = Unquote(text.substr(0, comma));
    std::string program = Unquote(text.substr(comma + 1));
    if (!IsPlainFileName(installer) || !IsPlainFileName(program))
        return false;
    // Running the program as its own installer would start it, not update it.
    if (Upper(installer) == Upper(program))
        return false;
    request->installer = installer;
    request->program = program;
    return true;
}

std::string FolderOfPath(const std::string& path)
{
    std::size_t slash = path.find_last_of("\\/");
    if (slash == std::string::npos)
        return std::string();
    std::string folder = path.substr(0, slash);
    if (folder.size() == 2 && folder[1] == ':')
        folder += '\\';
    return folder;
}

std::string InstallerCommandLine(const std::string& folder, const std::string& installer)
{
    std::string target = folder;
    if (EndsWithBackslash(target) && !(target.size() == 3 && target[1] == ':'))
        target.pop_back();
    return "\"" + Join(folder, installer) + "\" /S /D=" + target;
}

std::string ProgramCommandLine(const std::string& folder, const std::string& program, bool afterUpdate)
{
    std::string line = "\"" + Join(folder, program) + "\"";
    if (afterUpdate)
        line += " /AU";
    return line;
}

std::string BackupName(const std::string& program)
{
    return program + ".bak";
}

UpdaterDecision NextUpdaterStep(const UpdaterProgress& p)
{
    using S = UpdaterStep;
    using M = UpdaterMessage;
    using R = StepResult;
    auto finish = [](M message) { return UpdaterDecision{S::Finish, message}; };
    // After a failure that changed nothing, the user gets the program he had back.
    auto restartUnchanged = [&p, &finish](M message) {
        if (p.restart == R::Pending)
            return UpdaterDecision{S::RestartUnchanged, message};
        return finish(message);
    };

    if (!p.requestValid)
        return finish(M::Usage);

    if (p.programEnded == R::Pending)
        return {S::WaitForProgram, M::None};
    // Installing under a running program would mix old and new files.
    if (p.programEnded != R::Ok)
        return finish(M::ProgramStillRunning);

    if (p.installerFound == R::Pending)
        return {S::FindInstaller, M::None};
    if (p.installerFound != R::Ok)
        return restartUnchanged(M::InstallerMissing);

    if (p.backup == R::Pending)
        return {S::BackUpProgram, M::None};
    if (p.backup != R::Ok)
        return restartUnchanged(M::BackupFailed);

    if (p.installer == R::Pending)
        return {S::RunInstaller, M::None};
    // A hung installer may still be writing: neither restore over it nor start the program.
    if (p.installer == R::TimedOut)
        return finish(M::InstallerTimedOut);

    if (p.installer != R::Ok) {
        M failure = p.installer == R::NotStarted ? M::InstallerNotStarted : M::InstallerFailed;
        if (p.restore == R::Pending)
            return {S::RestoreProgram, M::None};
        if (p.restore != R::Ok)
            return finish(M::RestoreFailed);
        // The same download would fail the same way at every start: it goes.
        if (p.cleanup == R::Pending)
            return {S::CleanUp, M::None};
        return restartUnchanged(failure);
    }

    if (p.cleanup == R::Pending)
        return {S::CleanUp, M::None};
    if (p.restart == R::Pending)
        return {S::RestartUpdated, M::None};
    return finish(p.restart == R::Ok ? M::None : M::RestartFailed);
}

int UpdaterExitCode(UpdaterMessage message)
{
    return static_cast<int>(message);
}

std::string FillPlaceholders(const std::string& text, const std::string* values, int count)
{
    std::string result;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9' &&
            text[i + 1] - '1' < count) {
            result += values[text[i + 1] - '1'];
            ++i;
        } else {
            result += text[i];
        }
    }
    return result;
}
