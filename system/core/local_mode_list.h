#pragma once
// The local modes the System page lists: every *.qvd in the current directory, then those in
// the fallback directory when it exists.

#include <string>
#include <vector>

#include "app/core/zb_file_data.h"

namespace velto {

inline constexpr std::string_view kModeFileExtension = ".qvd";
inline constexpr std::string_view kExternalDataExtension = ".PCE";

// Each entry is the file title plus ".qvd"; within a directory in name order.
std::vector<std::string> ListLocalModes(const FilePlaces& places = {});

// The name with the extension appended unless it already contains it.
std::string WithExtension(std::string name, std::string_view extension);

}  // namespace velto
