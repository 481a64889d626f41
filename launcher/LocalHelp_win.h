#pragma once
// The help pages beside the program, as the help opener looks for them.
#include "launcher/HelpPage.h"

// The program's folder (from its path in the application object) and a check of the file
// system for a page there.
LocalHelp ProgramLocalHelp();
