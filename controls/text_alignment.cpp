#include "controls/text_alignment.h"

#include <Qt>

namespace velto {

int QtTextFlags(int alignmentFlags) {
    int flags = Qt::TextDontClip;
    if (alignmentFlags & kAlignCentre) {
        flags |= Qt::AlignHCenter;
    } else if (alignmentFlags & kAlignRight) {
        flags |= Qt::AlignRight;
    } else {
        flags |= Qt::AlignLeft;
    }
    if (alignmentFlags & kAlignMiddle) {
        flags |= Qt::AlignVCenter;
    } else if (alignmentFlags & kAlignBottom) {
        flags |= Qt::AlignBottom;
    } else {
        flags |= Qt::AlignTop;
    }
    if (!(alignmentFlags & kAlignNoWrap)) flags |= Qt::TextWordWrap;
    return flags;
}

}  // namespace velto
