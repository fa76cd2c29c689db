// Any bytes read as a profile file must give back the same bytes when written unchanged, and
// writing one key must change that key only.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/ini_document.h"
#include "platform/ini_profile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::span<const uint8_t> bytes(data, size);
    velto::IniDocument doc = velto::IniDocument::Parse(bytes);

    // Only a UTF-16 file's dangling odd byte is not kept.
    const bool oddUtf16 =
        doc.TextEncoding() == velto::IniDocument::Encoding::Utf16LeBom && size % 2 == 1;
    const std::vector<uint8_t> same = doc.Serialize();
    if (!oddUtf16 && !std::equal(same.begin(), same.end(), bytes.begin(), bytes.end()))
        __builtin_trap();

    const auto other = doc.Get("General", "m_COM_MdoeIO");
    if (const auto language = doc.Get("CP950", "Language")) (void)velto::ParseProfileInt(*language);

    doc.Set("CP950", "Language", "2");
    const velto::IniDocument written = velto::IniDocument::Parse(doc.Serialize());
    if (written.Get("CP950", "Language") != "2") __builtin_trap();
    if (written.Get("General", "m_COM_MdoeIO") != other) __builtin_trap();
    if (written.TextEncoding() != doc.TextEncoding()) __builtin_trap();
    return 0;
}
