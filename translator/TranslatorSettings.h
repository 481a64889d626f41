#pragma once
// What the translation window remembers between openings, in section "Translator" of the
// settings file.
class Profile;

struct TranslatorSettings {
    int lastLanguage = 0;         // "LastLanguage": the language pair chosen last, 0 to 11
    int lastTranslator = 0;       // "LastTranslator": the service chosen last, 0 to 4 (4: all)
    int closeAfterCommand = 0;    // "CloseAfterCommand": the window's close-after-a-command box
    int closeAfterCommand2 = 0;   // "CloseAfterCommand2": the same box in the results list
};

// The process-wide record the window works on while the program runs.
TranslatorSettings& Translator();

// Reads the four values (missing ones are 0). Out-of-range choices fall back to the first
// pair or service, so that the lists always show a selection.
void LoadTranslatorSettings(const Profile& profile, TranslatorSettings& settings);
void SaveTranslatorSettings(Profile& profile, const TranslatorSettings& settings);
