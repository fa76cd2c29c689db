#include "link/default_image.h"

#include <cstddef>
#include <initializer_list>

namespace velto {
namespace {

using Image = std::array<int32_t, 923>;

// Frequency code of the band records: whole Hz from 100 Hz, 32768 + tenths of Hz below.
constexpr int32_t FreqCode(double hz) {
    return hz >= 100.0 ? static_cast<int32_t>(hz) : 32768 + static_cast<int32_t>(hz * 10.0 + 0.5);
}

constexpr int32_t kPeakingType = 7;
constexpr int32_t kUnityGain = 500;  // 0 dB
constexpr int32_t kUnityQ = 100;     // Q 1.00
constexpr int32_t kHpfType = 20;     // Butterworth 24 dB/oct high-pass
constexpr int32_t kLpfType = 21;     // Butterworth 24 dB/oct low-pass

// The factory centre frequencies of a 15-band PEQ.
constexpr double kPeq15[] = {20.5, 31.9, 50.6, 80.3, 125,  198,  315,  490,
                             721,  1240, 1920, 3050, 4940, 7550, 12000};
// The factory centre frequencies of the 5-band effect EQs and of the 8-band output EQs.
constexpr double kPeq5[] = {19.7, 48.7, 118, 1000, 8000};
constexpr double kPeq8[] = {31.9, 80.3, 198, 490, 1240, 3050, 7550, 12000};

class ImageWriter {
  public:
    explicit ImageWriter(Image& image) : image_(image) {}

    void Values(int slot, std::initializer_list<int32_t> values) {
        for (int32_t v : values)
            image_[slot++] = v;
    }
    void Filter(int slot, int32_t type, double hz) {
        Values(slot, {type, FreqCode(hz), kUnityGain, kUnityQ});
    }
    template <std::size_t N>
    void Peq(int slot, const double (&freqs)[N]) {
        for (double hz : freqs) {
            Filter(slot, kPeakingType, hz);
            slot += 4;
        }
    }

  private:
    Image& image_;
};

// Stereo outputs (Main, Rear) are 53 slots, mono outputs (Center, Sub) 51.
void WriteOutput(ImageWriter& w, int base, bool stereo, double hpfHz, double lpfHz) {
    // Music, MIC direct, echo and reverb levels; limiter ratio, attack, release, threshold.
    w.Values(base, {530, 530, 530, 530, 20, 900, 8, 114});
    int next = base + 8;
    w.Values(next, stereo ? std::initializer_list<int32_t>{0, 0, 0, 0, 1}  // delays, mutes, EQ on
                          : std::initializer_list<int32_t>{0, 0, 1});      // delay, mute, EQ on
    next += stereo ? 5 : 3;
    w.Filter(next, kHpfType, hpfHz);
    w.Filter(next + 4, kLpfType, lpfHz);
    w.Peq(next + 8, kPeq8);
}

Image BuildImage() {
    Image image{};
    ImageWriter w(image);
    image[0] = 32;
    w.Values(24, {530, 530, 530, 530});  // master volumes

    // Microphones: shared dynamics and feedback eliminator, EQ switches, filters, two PEQs.
    w.Values(28, {2, 20, 900, 8, 114, 1, 1});
    for (int mic : {35, 43}) {
        w.Values(mic, {kHpfType, 33274, kUnityGain, kUnityQ});
        w.Values(mic + 4, {kLpfType, 18300, kUnityGain, kUnityQ});
    }
    w.Peq(51, kPeq15);
    w.Peq(111, kPeq15);

    // Effects: levels, times, EQ switches, filters and the two 5-band EQs.
    w.Values(171, {500, 600, 500, 550, 0, 0, 2000, 50, 55, 380, 2625, 1, 1});
    w.Values(184, {kHpfType, 33274, kUnityGain, kUnityQ});
    w.Values(188, {kLpfType, 7700, kUnityGain, kUnityQ});
    w.Values(192, {kHpfType, 109, kUnityGain, kUnityQ});
    w.Values(196, {kLpfType, 14500, kUnityGain, kUnityQ});
    w.Peq(200, kPeq5);
    w.Peq(220, kPeq5);

    // Music: key shift 0, EQ on, filters, 15-band PEQ.
    w.Values(240, {2, 1});
    w.Filter(242, kHpfType, 20.0);
    w.Filter(246, kLpfType, 20000);
    w.Peq(250, kPeq15);

    // Outputs, Sing bank then Dance bank (208 slots higher).
    for (int bank : {0, 208}) {
        WriteOutput(w, 310 + bank, true, 40.0, 20000);   // Main
        WriteOutput(w, 363 + bank, false, 80.0, 20000);  // Center
        WriteOutput(w, 414 + bank, false, 20.0, 120);    // Sub
        WriteOutput(w, 465 + bank, true, 40.0, 20000);   // Rear
    }

    // Master volume limits (maximum, start) per channel, the marker word and the music input.
    w.Values(896, {100, 30, 100, 30, 100, 30, 100, 30});
    image[904] = 65280;
    image[905] = 1;
    return image;
}

}  // namespace

const std::array<int32_t, 923>& DefaultParamImage() {
    static const Image image = BuildImage();
    return image;
}

}  // namespace velto
