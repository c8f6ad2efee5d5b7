#pragma once
// The texts of the language table that default names are made of.

#include <string>

namespace ferrox {

// LanguageTable text; empty outside the table or before a language is loaded.
std::wstring LanguageText(int index);

} // namespace ferrox
