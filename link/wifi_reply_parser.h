#pragma once
// The module's reply texts: which entry of the request table a reply answers and what it
// carries.  Used by the frame decoder (WifiText replies) and the UDP channel (datagrams).

#include <cstdint>
#include <string_view>

#include "link/wifi_module_state.h"

namespace velto {

class FrameCodec;

// Hexadecimal digits as the module writes them: 0-9, A-F, a-f add a digit, a space adds a zero
// digit, anything else is skipped.  Wraps past 32 bits rather than overflowing.
int32_t ParseWifiHex(std::string_view digits);
// Decimal digits 0-9; everything else is skipped.
int32_t ParseWifiDecimal(std::string_view digits);

// Applies one reply to the table.  The text ends at its first NUL.  The entry prefixes are
// searched anywhere in the text, in table order; the first found decides.  Returns the entry
// the reply answered, or -1 when it answered none (unknown text, or a Get reply with nothing
// after its prefix).
int ParseWifiReply(std::string_view text, WifiModuleState& wifi);

// Routes the decoder's WifiText replies into ParseWifiReply.  Call before the link starts.
void HookWifiReplies(FrameCodec& codec, WifiModuleState& wifi);

}  // namespace velto
