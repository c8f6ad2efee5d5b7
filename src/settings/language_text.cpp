#include "settings/language_text.h"

namespace ferrox {

std::wstring LanguageText(int index) {
    (void)index;
    return {};
}

} // namespace ferrox
