#pragma once
// The two profile-file operations the settings need, on top of IniDocument: read one integer,
// write one string.  Each call opens and closes the file; there is no caching and no lock.

#include <filesystem>
#include <optional>
#include <string_view>

namespace velto {

// The leading decimal number of a value as the platform reads it: blanks skipped, an optional
// sign, digits up to the first other character ("12ab" is 12, "ab" is 0).  An empty value and
// a number outside the 32-bit range give nullopt.
std::optional<int> ParseProfileInt(std::string_view value);

// The integer under key in section of file, or defaultValue when the file, the section or the
// key is missing or the value is empty or out of range.
int ReadProfileInt(const std::filesystem::path& file, std::string_view section,
                   std::string_view key, int defaultValue);

// Writes key=value into section of file, creating the file when missing.  Returns false when
// the file cannot be read back or written (for example a missing or read-only directory).
bool WriteProfileString(const std::filesystem::path& file, std::string_view section,
                        std::string_view key, std::string_view value);

}  // namespace velto
