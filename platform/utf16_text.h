#pragma once
// Conversions between UTF-8 and UTF-16 for files the platform writes in UTF-16.  Malformed
// input never fails: each bad sequence or lone surrogate becomes U+FFFD.

#include <string>
#include <string_view>

namespace velto {

std::u16string Utf8ToUtf16(std::string_view utf8);
std::string Utf16ToUtf8(std::u16string_view utf16);

}  // namespace velto
