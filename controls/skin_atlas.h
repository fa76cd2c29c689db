#pragma once
// Where each part of a multi-part PNG skin lies.  The skin generator draws the parts at these
// places and the controls cut them out again, so both read this one table.  Skins are drawn at
// kSkinDensity pixels per design unit so that they stay sharp when the window is enlarged.

namespace velto::skin {

inline constexpr int kSkinDensity = 2;

struct AtlasRect {
    int x, y, w, h;
};

// Resource numbers of the skins.
inline constexpr int kBitmapProgressEmpty = 132;
inline constexpr int kBitmapProgressFull = 133;
inline constexpr int kBitmapMainSkin = 134;
inline constexpr int kIconApp = 128;
inline constexpr int kPngFirst = 136;
inline constexpr int kPngLast = 171;

// Progress window bitmaps 132/133: the bar runs from x 27 for 489 px.
inline constexpr int kProgressWidth = 541;
inline constexpr int kProgressHeight = 161;
inline constexpr int kProgressBarLeft = 27;
inline constexpr int kProgressBarLength = 489;

// PNG 142, the horizontal slider (CEA_Kel2, style 0): slider strip for design rows 14..33,
// thumb, focused thumb, toggle box off and on.
namespace slider {
inline constexpr int kPng = 142;
inline constexpr AtlasRect kStrip{0, 0, 340, 38};
inline constexpr AtlasRect kThumb{0, 38, 36, 32};
inline constexpr AtlasRect kThumbFocused{36, 38, 36, 32};
inline constexpr AtlasRect kToggleOff{72, 38, 30, 30};
inline constexpr AtlasRect kToggleOn{102, 38, 30, 30};
inline constexpr int kWidth = 340, kHeight = 70;
}  // namespace slider

// PNG 169, the vertical fader (CEQ_G_2, style 0): the 41 x 205 track strip, its disabled
// variant, thumb, focused thumb and the two range-marker handles.
namespace fader {
inline constexpr int kPng = 169;
inline constexpr AtlasRect kTrack{0, 0, 82, 410};
inline constexpr AtlasRect kTrackDisabled{82, 0, 82, 410};
inline constexpr AtlasRect kThumb{164, 0, 26, 58};
inline constexpr AtlasRect kThumbFocused{190, 0, 26, 58};
inline constexpr AtlasRect kLowMarker{164, 58, 32, 36};
inline constexpr AtlasRect kHighMarker{164, 94, 32, 36};
inline constexpr int kWidth = 216, kHeight = 410;
}  // namespace fader

// PNG 141, the PEQ band strip (CEQ_Kel0, style 2): the 51 x 210 strip with the edit-box frames,
// gain scale and track; the P/H/L column (design (0, 47)-(16, 148)) with P, H or L lit; thumb
// and focused thumb (10 x 16).
namespace band_strip {
inline constexpr int kPng = 141;
inline constexpr AtlasRect kStrip{0, 0, 102, 420};
inline constexpr AtlasRect kTypesPeak{102, 0, 32, 202};
inline constexpr AtlasRect kTypesHighShelf{134, 0, 32, 202};
inline constexpr AtlasRect kTypesLowShelf{166, 0, 32, 202};
inline constexpr AtlasRect kThumb{198, 0, 20, 32};
inline constexpr AtlasRect kThumbFocused{218, 0, 20, 32};
inline constexpr int kWidth = 238, kHeight = 420;
}  // namespace band_strip

// Lists (CKel_ComboBox): two frames side by side, normal and focused.
namespace list {
inline constexpr int kFrames = 2;
inline constexpr int kMainPng = 168;  // style 3, 129 x 22
inline constexpr int kPagePng = 143;  // style 4, 136 x 19
}  // namespace list

// Buttons (CGDI_Button): four frames side by side: normal, selected (state 2), hover overlay,
// disabled overlay.  The overlays are translucent so that the state shows through.
namespace button {
inline constexpr int kFrames = 4;
}  // namespace button

}  // namespace velto::skin
