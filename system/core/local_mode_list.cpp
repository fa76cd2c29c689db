#include "system/core/local_mode_list.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace velto {
namespace {

namespace fs = std::filesystem;

bool IsModeFileName(const fs::path& path) {
    std::string extension = path.extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension == kModeFileExtension;
}

void AppendModesIn(const fs::path& directory, std::vector<std::string>& list) {
    std::error_code error;
    std::vector<std::string> found;
    for (fs::directory_iterator it(directory, error), end; !error && it != end;
         it.increment(error)) {
        if (!it->is_regular_file(error) || !IsModeFileName(it->path())) continue;
        found.push_back(it->path().stem().string() + std::string(kModeFileExtension));
    }
    std::sort(found.begin(), found.end());
    list.insert(list.end(), found.begin(), found.end());
}

}  // namespace

std::vector<std::string> ListLocalModes(const FilePlaces& places) {
    std::vector<std::string> list;
    AppendModesIn(places.current.empty() ? fs::path(".") : places.current, list);
    if (CZB_FileData::IsDirectory(places.fallback)) AppendModesIn(places.fallback, list);
    return list;
}

std::string WithExtension(std::string name, std::string_view extension) {
    if (name.find(extension) == std::string::npos) name += extension;
    return name;
}

}  // namespace velto
