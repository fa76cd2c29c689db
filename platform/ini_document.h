#pragma once
// A Windows profile (INI) file held line by line.  Reading follows the platform's profile
// functions (section and key names without regard to ASCII case, blanks around '=' ignored,
// ';' starts a comment); writing one key changes only that key's line, so every other section,
// key, comment, blank line, line ending and the file's text encoding stay as they were.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace velto {

class IniDocument {
  public:
    // How the file stores its text.  Byte files (ANSI or UTF-8 without a mark) keep every byte
    // untouched; the two marked forms are what the platform's editors write.
    enum class Encoding { Bytes, Utf8Bom, Utf16LeBom };

    static IniDocument Parse(std::span<const uint8_t> bytes);
    std::vector<uint8_t> Serialize() const;

    // The value of key in the first section of that name, with surrounding blanks and one
    // pair of matching quotes removed, as UTF-8; nullopt when the section or key is missing.
    std::optional<std::string> Get(std::string_view section, std::string_view key) const;
    // Replaces the key's value, or adds the key at the end of its section, or adds the section
    // at the end of the file.  Names and value are UTF-8.
    void Set(std::string_view section, std::string_view key, std::string_view value);

    Encoding TextEncoding() const { return encoding_; }

  private:
    // Text in code units of the file: one unit per byte for byte files, UTF-16 units otherwise.
    using Units = std::u16string;
    struct Line {
        Units text;
        Units ending;  // "\r\n", "\n" or empty for a last line without a break
    };
    struct KeyLine {
        Units key;
        Units value;
    };

    Units ToUnits(std::string_view utf8) const;
    std::string FromUnits(const Units& units) const;
    Units DefaultEnding() const;
    // Index of the header line of the first section named so, or lines_.size().
    size_t FindSection(const Units& name) const;
    // Index just past the section that starts at header index.
    size_t SectionEnd(size_t header) const;
    static std::optional<Units> SectionName(const Units& text);
    static std::optional<KeyLine> SplitKey(const Units& text);

    Encoding encoding_ = Encoding::Bytes;
    std::vector<Line> lines_;
};

}  // namespace velto
