#pragma once
// The one text accessor the settings code needs for default names (defined by ferrox_lang).

#include <string>

namespace ferrox {

// LanguageTable text; empty outside the table or before a language is loaded.
std::wstring LanguageText(int index);

} // namespace ferrox
