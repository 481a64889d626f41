#pragma once
// A line the user sends off from the launcher: recorded in its list, then interpreted and
// launched.
#include <string>
#include <string_view>

#include "launcher/ProgramLaunchExecutor_win.h"

class LinkEntry;

// An address goes to the top of the typed addresses, anything else to the top of the search
// history; either list is saved at once.
void RecordTypedText(const std::string& text);

// InterpretInput on the text with the options of the moment, its launches carried out.
// 1 when the text was routed as an address or command, 0 when it was searched. noEngine, when
// given, tells whether a search found no engine to use.
int InterpretAndLaunch(std::string_view text, bool allEngines, const LinkEntry* engine,
                       LaunchExecutor& executor = ProgramExecutor(), bool* noEngine = nullptr);

// The launcher's Go and All: record, then interpret with no engine named.
int RecordAndLaunch(const std::string& text, bool allEngines, LaunchExecutor& executor = ProgramExecutor());
