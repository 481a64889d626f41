#pragma once
// Choice of the interface language and of the language of web content.

// Locale identifiers.
constexpr int kLocaleFrench = 1036;
constexpr int kLocaleEnglish = 1033;

// One of the six French locales: France, Belgium, Canada, Switzerland, Luxembourg, Monaco.
bool IsFrenchLocale(int lcid);

// The language selection index of option Language (0 automatic, 1 French, 2 English):
// 0 French or 1 English, the automatic choice following the user's locale.
int LanguageIndexFor(int languageOption, int userLcid);

// The locale whose resources an index selects: 0 French, 1 English, then the Part's
// further English locales 2..4; any other index English.
int LocaleForLanguageIndex(int index);

// 1 when web content is wanted in French, 2 for English: Language when set, else by locale.
int ContentLanguageFor(int languageOption, int uiLcid);
