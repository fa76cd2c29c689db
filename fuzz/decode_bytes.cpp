// Any byte stream, cut into pieces anywhere, must leave the decoder and the table intact.

#include <cstddef>
#include <cstdint>

#include "link/frame_codec.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static velto::ParamTable table;
    static velto::LinkState state;
    static const velto::LinkClock clock;
    velto::FrameCodec codec(table, state, clock);
    codec.SetWifiReplyHandler([](std::string_view text) {
        volatile size_t n = text.size();
        (void)n;
    });
    // The first byte picks the piece size, so the corpus explores every split.
    const size_t piece = size ? data[0] % 64 + 1 : 1;
    for (size_t at = size ? 1 : 0; at < size; at += piece) {
        const size_t n = at + piece <= size ? piece : size - at;
        codec.DecodeBytes(data + at, n);
    }
    return 0;
}
