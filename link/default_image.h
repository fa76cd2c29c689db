#pragma once
// The parameter values the table shows before the processor has been read: the processor's
// factory image, placed at the slots the address map gives each group.

#include <array>
#include <cstdint>

namespace velto {

const std::array<int32_t, 923>& DefaultParamImage();

}  // namespace velto
