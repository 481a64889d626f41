#include "app/Sound_win.h"

#include <windows.h>
#include <mmsystem.h>

#include "app/AppContext_win.h"

std::string SoundFilePath(const std::string& name)
{
    if (name.find('\\') != std::string::npos)
        return name;
    const std::string& program = App().programPath;
    return program.substr(0, program.find_last_of('\\') + 1) + name;
}

bool PlayNotificationSound(const std::string& name)
{
    return PlaySoundA(SoundFilePath(name).c_str(), nullptr, SND_FILENAME | SND_ASYNC | SND_NODEFAULT) != FALSE;
}
