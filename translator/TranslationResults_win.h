#pragma once
// The results list: the answers of every service side by side, after an all-services run.
#include <windows.h>

#include <string>
#include <vector>

#include "translator/TranslationRun.h"

// Runs the list modally over owner. Its result is "CloseAfterCommand2" when a search or a copy
// closed it (so that the translation window may close too), else 0.
INT_PTR ShowTranslationResults(HWND owner, const std::vector<TranslationResult>& results,
                               const std::string& sourceText, const std::string& pairName);
