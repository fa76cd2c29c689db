#pragma once
// A private current directory and fallback directory under the system's temporary path,
// removed after the test.

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "app/core/zb_file_data.h"

namespace velto::test {

class TempPlaces {
  public:
    TempPlaces() {
        root_ = std::filesystem::temp_directory_path() /
                ("velto-files-" + std::to_string(::getpid()) + "-" + std::to_string(counter_++));
        std::filesystem::create_directories(root_ / "current");
    }
    ~TempPlaces() {
        std::error_code ignored;
        std::filesystem::remove_all(root_, ignored);
    }
    TempPlaces(const TempPlaces&) = delete;
    TempPlaces& operator=(const TempPlaces&) = delete;

    std::filesystem::path Current() const { return root_ / "current"; }
    // Does not exist until a test or a save creates it.
    std::filesystem::path FallbackDir() const { return root_ / "fallback"; }
    FilePlaces Places() const { return {Current(), FallbackDir().string() + "/"}; }
    void MakeFallback() const { std::filesystem::create_directories(FallbackDir()); }

    static void Write(const std::filesystem::path& file, const std::string& bytes) {
        std::ofstream(file, std::ios::binary) << bytes;
    }
    static std::string Read(const std::filesystem::path& file) {
        std::ifstream in(file, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

  private:
    static inline int counter_ = 0;
    std::filesystem::path root_;
};

}  // namespace velto::test
