#pragma once
// dump --json: one object with the 923 slot values in slot order and the 16 preset names.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace velto::cli {

std::string JsonString(std::string_view text);
std::string DumpJson(const std::vector<int32_t>& slots, const std::vector<std::string>& presets);

}  // namespace velto::cli
