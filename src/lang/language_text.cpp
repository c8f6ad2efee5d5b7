// In a file of its own so that only the programs that ask for it link it in: the settings
// library carries a stand-in of the same function until it links this library.

#include "lang/language_table.h"

namespace ferrox {

std::wstring LanguageText(int index) {
    if (index < 0 || index >= kLanguageTextCount) {
        return {};
    }
    return LanguageTable[static_cast<std::size_t>(index)];
}

} // namespace ferrox
