#include "platform/ini_profile.h"

#include <cstdint>
#include <fstream>
#include <iterator>
#include <limits>
#include <vector>

#include "platform/ini_document.h"

namespace velto {
namespace {

enum class FileRead { Missing, Unreadable, Read };

FileRead ReadWholeFile(const std::filesystem::path& file, std::vector<uint8_t>& bytes) {
    std::error_code error;
    if (!std::filesystem::exists(file, error)) return FileRead::Missing;
    std::ifstream in(file, std::ios::binary);
    if (!in) return FileRead::Unreadable;
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return in.bad() ? FileRead::Unreadable : FileRead::Read;
}

}  // namespace

std::optional<int> ParseProfileInt(std::string_view value) {
    size_t i = 0;
    while (i < value.size() && (value[i] == ' ' || value[i] == '\t'))
        ++i;
    if (i == value.size()) return std::nullopt;
    bool negative = false;
    if (value[i] == '+' || value[i] == '-') negative = value[i++] == '-';
    int64_t number = 0;
    for (; i < value.size() && value[i] >= '0' && value[i] <= '9'; ++i) {
        number = number * 10 + (value[i] - '0');
        if (number > int64_t{std::numeric_limits<int>::max()} + 1) return std::nullopt;
    }
    if (negative) number = -number;
    if (number > std::numeric_limits<int>::max()) return std::nullopt;
    return static_cast<int>(number);
}

int ReadProfileInt(const std::filesystem::path& file, std::string_view section,
                   std::string_view key, int defaultValue) {
    std::vector<uint8_t> bytes;
    if (ReadWholeFile(file, bytes) != FileRead::Read) return defaultValue;
    const auto value = IniDocument::Parse(bytes).Get(section, key);
    if (!value) return defaultValue;
    return ParseProfileInt(*value).value_or(defaultValue);
}

bool WriteProfileString(const std::filesystem::path& file, std::string_view section,
                        std::string_view key, std::string_view value) {
    std::vector<uint8_t> bytes;
    // A file that exists but cannot be read is left alone rather than replaced by one key.
    if (ReadWholeFile(file, bytes) == FileRead::Unreadable) return false;
    IniDocument doc = IniDocument::Parse(bytes);
    doc.Set(section, key, value);
    const std::vector<uint8_t> out = doc.Serialize();
    std::ofstream stream(file, std::ios::binary | std::ios::trunc);
    if (!stream) return false;
    stream.write(reinterpret_cast<const char*>(out.data()),
                 static_cast<std::streamsize>(out.size()));
    stream.close();
    return !stream.fail();
}

}  // namespace velto
