#pragma once
// The per-user directory where settings and mode files go when the current directory cannot
// hold them.

#include <string>
#include <string_view>

namespace velto {

// The rule on the desktop the file formats come from: the temporary-files path (at most 255
// characters) up to its first "Temp", then "CP950" and the separator.  For example
// "C:\Users\u\AppData\Local\Temp\" gives "C:\Users\u\AppData\Local\CP950\" and a path
// without "Temp" gives the relative "CP950\" .
std::string FallbackDirectoryForTempPath(std::string_view tempPath, char separator = '\\');

// Here the temporary path is /tmp, which would make the rule above yield a relative directory,
// so the fallback is the user's data directory instead: $XDG_DATA_HOME (when absolute), else
// $HOME/.local/share, followed by "CP950/".  Without either it is the relative "CP950/".
std::string UserFallbackDirectory();

}  // namespace velto
