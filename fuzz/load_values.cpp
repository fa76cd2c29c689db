// Any file content handed to the mode-file load must be refused or decoded without reading
// past the file, and whatever loads must survive being written and loaded again.

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "app/core/zb_file_data.h"
#include "system/core/mode_file_info.h"

namespace {

std::filesystem::path g_directory;

void RemoveDirectory() {
    std::error_code ignored;
    std::filesystem::remove_all(g_directory, ignored);
}

// One private directory per fuzzing process, used as both places of the file utility and
// removed when the process ends.
const velto::FilePlaces& Places() {
    static const velto::FilePlaces places = [] {
        g_directory = std::filesystem::temp_directory_path() /
                      ("velto-fuzz-load-values-" + std::to_string(::getpid()));
        std::filesystem::create_directories(g_directory);
        std::atexit(RemoveDirectory);
        return velto::FilePlaces{g_directory, (g_directory / "fallback/").string()};
    }();
    return places;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto file = Places().current / "input.qvd";
    std::ofstream(file, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));

    velto::CZB_FileData loader(Places());
    const int result = loader.LoadValues("input.qvd");
    (void)velto::DescribeModeFile({data, size});
    if (result != velto::kFileOk) {
        if (!loader.Values().empty()) __builtin_trap();
        return 0;
    }
    if (loader.Values().size() != static_cast<size_t>(loader.Header().count)) __builtin_trap();

    // Loaded values written again load equal.
    std::mt19937 random(static_cast<uint32_t>(size));
    const auto again = velto::EncodeModeFile(loader.Values(), loader.Header().identity, {}, random);
    if (velto::DecodeModeFile(again).values != loader.Values()) __builtin_trap();
    return 0;
}
