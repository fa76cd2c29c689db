#include "platform/ini_document.h"

#include "platform/utf16_text.h"

namespace velto {
namespace {

constexpr uint8_t kUtf8Bom[] = {0xEF, 0xBB, 0xBF};
constexpr uint8_t kUtf16LeBom[] = {0xFF, 0xFE};

// The blanks the profile functions trim around names and values.
bool IsBlank(char16_t c) {
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\v' || c == u'\f';
}

std::u16string Trim(std::u16string_view s) {
    size_t begin = 0;
    size_t end = s.size();
    while (begin < end && IsBlank(s[begin]))
        ++begin;
    while (end > begin && IsBlank(s[end - 1]))
        --end;
    return std::u16string(s.substr(begin, end - begin));
}

char16_t FoldAscii(char16_t c) {
    return (c >= u'A' && c <= u'Z') ? c - u'A' + u'a' : c;
}

bool SameName(std::u16string_view a, std::u16string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (FoldAscii(a[i]) != FoldAscii(b[i])) return false;
    return true;
}

template <size_t N>
bool StartsWith(std::span<const uint8_t> bytes, const uint8_t (&mark)[N]) {
    if (bytes.size() < N) return false;
    for (size_t i = 0; i < N; ++i)
        if (bytes[i] != mark[i]) return false;
    return true;
}

std::u16string StripQuotes(const std::u16string& value) {
    if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') &&
        value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

}  // namespace

IniDocument IniDocument::Parse(std::span<const uint8_t> bytes) {
    IniDocument doc;
    Units units;
    if (StartsWith(bytes, kUtf16LeBom)) {
        doc.encoding_ = Encoding::Utf16LeBom;
        // A dangling odd byte cannot be part of any character and is dropped.
        for (size_t i = 2; i + 1 < bytes.size(); i += 2)
            units += static_cast<char16_t>(bytes[i] | (bytes[i + 1] << 8));
    } else {
        size_t start = 0;
        if (StartsWith(bytes, kUtf8Bom)) {
            doc.encoding_ = Encoding::Utf8Bom;
            start = 3;
        }
        units.reserve(bytes.size() - start);
        for (size_t i = start; i < bytes.size(); ++i)
            units += static_cast<char16_t>(bytes[i]);
    }

    size_t begin = 0;
    while (begin < units.size()) {
        const size_t newline = units.find(u'\n', begin);
        if (newline == Units::npos) {
            doc.lines_.push_back({units.substr(begin), {}});
            break;
        }
        const bool crlf = newline > begin && units[newline - 1] == u'\r';
        const size_t textEnd = crlf ? newline - 1 : newline;
        doc.lines_.push_back({units.substr(begin, textEnd - begin), crlf ? u"\r\n" : u"\n"});
        begin = newline + 1;
    }
    return doc;
}

std::vector<uint8_t> IniDocument::Serialize() const {
    std::vector<uint8_t> out;
    if (encoding_ == Encoding::Utf8Bom) out.assign(std::begin(kUtf8Bom), std::end(kUtf8Bom));
    if (encoding_ == Encoding::Utf16LeBom)
        out.assign(std::begin(kUtf16LeBom), std::end(kUtf16LeBom));
    auto append = [&](const Units& units) {
        for (char16_t u : units) {
            out.push_back(static_cast<uint8_t>(u & 0xFF));
            if (encoding_ == Encoding::Utf16LeBom) out.push_back(static_cast<uint8_t>(u >> 8));
        }
    };
    for (const Line& line : lines_) {
        append(line.text);
        append(line.ending);
    }
    return out;
}

IniDocument::Units IniDocument::ToUnits(std::string_view utf8) const {
    if (encoding_ == Encoding::Utf16LeBom) return Utf8ToUtf16(utf8);
    Units units;
    for (char c : utf8)
        units += static_cast<char16_t>(static_cast<unsigned char>(c));
    return units;
}

std::string IniDocument::FromUnits(const Units& units) const {
    if (encoding_ == Encoding::Utf16LeBom) return Utf16ToUtf8(units);
    std::string bytes;
    for (char16_t u : units)
        bytes += static_cast<char>(u & 0xFF);
    return bytes;
}

IniDocument::Units IniDocument::DefaultEnding() const {
    for (const Line& line : lines_)
        if (!line.ending.empty()) return line.ending;
    return u"\r\n";
}

std::optional<IniDocument::Units> IniDocument::SectionName(const Units& text) {
    const Units trimmed = Trim(text);
    if (trimmed.empty() || trimmed.front() != u'[') return std::nullopt;
    const size_t close = trimmed.rfind(u']');
    if (close == Units::npos || close == 0) return std::nullopt;
    return Trim(std::u16string_view(trimmed).substr(1, close - 1));
}

std::optional<IniDocument::KeyLine> IniDocument::SplitKey(const Units& text) {
    const Units trimmed = Trim(text);
    if (trimmed.empty() || trimmed.front() == u';') return std::nullopt;
    const size_t equals = trimmed.find(u'=');
    if (equals == Units::npos) return std::nullopt;
    const std::u16string_view view(trimmed);
    return KeyLine{Trim(view.substr(0, equals)), Trim(view.substr(equals + 1))};
}

size_t IniDocument::FindSection(const Units& name) const {
    for (size_t i = 0; i < lines_.size(); ++i) {
        const auto section = SectionName(lines_[i].text);
        if (section && SameName(*section, name)) return i;
    }
    return lines_.size();
}

size_t IniDocument::SectionEnd(size_t header) const {
    size_t i = header + 1;
    while (i < lines_.size() && !SectionName(lines_[i].text))
        ++i;
    return i;
}

std::optional<std::string> IniDocument::Get(std::string_view section, std::string_view key) const {
    const size_t header = FindSection(ToUnits(section));
    if (header == lines_.size()) return std::nullopt;
    const Units name = ToUnits(key);
    const size_t end = SectionEnd(header);
    for (size_t i = header + 1; i < end; ++i) {
        const auto entry = SplitKey(lines_[i].text);
        if (entry && SameName(entry->key, name)) return FromUnits(StripQuotes(entry->value));
    }
    return std::nullopt;
}

void IniDocument::Set(std::string_view section, std::string_view key, std::string_view value) {
    const Units sectionName = ToUnits(section);
    const Units keyName = ToUnits(key);
    const Units valueText = ToUnits(value);
    const Units ending = DefaultEnding();
    // A line inserted after the current last line needs that line to end first.
    auto endLineBefore = [&](size_t index) {
        if (index > 0 && lines_[index - 1].ending.empty()) lines_[index - 1].ending = ending;
    };

    const size_t header = FindSection(sectionName);
    if (header == lines_.size()) {
        endLineBefore(lines_.size());
        lines_.push_back({u"[" + sectionName + u"]", ending});
        lines_.push_back({keyName + u"=" + valueText, ending});
        return;
    }
    const size_t end = SectionEnd(header);
    size_t lastContent = header;
    for (size_t i = header + 1; i < end; ++i) {
        const auto entry = SplitKey(lines_[i].text);
        if (entry && SameName(entry->key, keyName)) {
            lines_[i].text = entry->key + u"=" + valueText;
            return;
        }
        if (!Trim(lines_[i].text).empty()) lastContent = i;
    }
    // New keys go after the section's last line with content, so the blank lines that
    // separate it from the next section stay where they are.
    const size_t at = lastContent + 1;
    endLineBefore(at);
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at),
                  {keyName + u"=" + valueText, ending});
}

}  // namespace velto
