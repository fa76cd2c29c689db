#pragma once
// Applying a printf-style format (from the text tables) to one number without trusting it: the
// format must hold exactly one numeric conversion; anything else is shown as it stands instead
// of reading arguments that are not there.

#include <QString>

namespace velto {

// Floating conversions (f, e, g, a) receive the value; d and i receive it truncated toward
// zero.  Flags, width and precision are allowed, '*' and length modifiers are not.
QString FormatNumber(const QString& format, double value);

}  // namespace velto
