#include "app/core/fallback_directory.h"

#include <cstdlib>

namespace velto {
namespace {

constexpr size_t kTempPathLimit = 255;
constexpr std::string_view kDirectoryName = "CP950";

std::string_view Environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? std::string_view(value) : std::string_view();
}

}  // namespace

std::string FallbackDirectoryForTempPath(std::string_view tempPath, char separator) {
    tempPath = tempPath.substr(0, kTempPathLimit);
    const size_t temp = tempPath.find("Temp");
    std::string directory(temp == std::string_view::npos ? std::string_view()
                                                         : tempPath.substr(0, temp));
    directory += kDirectoryName;
    directory += separator;
    return directory;
}

std::string UserFallbackDirectory() {
    std::string base;
    if (const std::string_view xdg = Environment("XDG_DATA_HOME"); xdg.starts_with('/')) {
        base = xdg;
    } else if (const std::string_view home = Environment("HOME"); !home.empty()) {
        base = std::string(home) + "/.local/share";
    }
    if (!base.empty() && !base.ends_with('/')) base += '/';
    return base + std::string(kDirectoryName) + '/';
}

}  // namespace velto
