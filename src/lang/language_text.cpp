#include "lang/language_table.h"

namespace ferrox {

std::wstring LanguageText(int index) {
    if (index < 0 || index >= kLanguageTextCount) {
        return {};
    }
    return LanguageTable[static_cast<std::size_t>(index)];
}

} // namespace ferrox
