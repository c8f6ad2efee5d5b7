#pragma once
// Quoting for the --json output of the commands.

#include <string>
#include <string_view>

namespace ferrox {

// s as a JSON string literal, quotes included.
std::string JsonString(std::string_view s);

} // namespace ferrox
