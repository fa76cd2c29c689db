#pragma once
// The file utility behind the settings files and the mode files.  Every file is looked for
// first where it is named (relative names: the current directory) and then in the per-user
// fallback directory.  Callers make a short-lived object per operation; it keeps nothing
// between operations except what a mode-file load fills in.

#include <cstdint>
#include <filesystem>
#include <random>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "app/core/fallback_directory.h"
#include "system/core/mode_file_codec.h"

namespace velto {

// Result codes of the data-file operations.
enum FileResult : int {
    kFileOk = 0,
    kFileExisted = 1,  // written over a file of the same name
    kFileEmptyName = 2,
    kFileCannotOpen = 4,
    kFileCannotCreate = 5,
    kFileCorrupt = 6,  // CRC mismatch, or a file too short for the sizes it declares
};

inline constexpr std::string_view kSettingsSection = "CP950";

struct FilePlaces {
    std::filesystem::path current;  // empty: the process's current directory
    std::string fallback = UserFallbackDirectory();
};

class CZB_FileData {
  public:
    explicit CZB_FileData(FilePlaces places = {});

    // --- settings: group + ".ini", section "CP950", decimal values ----------------------
    // The value from the primary file; when that is missing or negative, from the fallback
    // file; -1 when both are.
    int ReadSettingInt(std::string_view group, std::string_view key) const;
    // Writes the primary file and, only when that worked, the fallback file.  Returns whether
    // the primary write worked.
    bool WriteSettingString(std::string_view group, std::string_view key,
                            std::string_view text) const;
    bool WriteSettingInt(std::string_view group, std::string_view key, int value) const;

    // --- files -------------------------------------------------------------------------
    std::string FallbackDirectory() const { return places_.fallback; }
    bool FileExists(std::string_view name) const;
    int DeleteDataFile(std::string_view name) const;
    // The absolute path of the file found under name (where named, else in the fallback
    // directory); empty when neither exists.
    std::string FullPathOf(std::string_view name) const;
    // Drop one trailing separator; make the directory (and missing parents).
    static bool MakeDirectory(std::string_view path);
    static bool IsDirectory(std::string_view path);

    // --- mode files ----------------------------------------------------------------------
    // Writes values (their low 16 bits) for the device identity 20005, dated with this
    // object's creation time; where named, else in the fallback directory.  Returns kFileOk,
    // kFileExisted (an older file was replaced), kFileEmptyName or kFileCannotCreate.
    int SaveValues(std::string_view name, std::span<const int32_t> values);
    // Reads where named, else from the fallback directory, and fills Header() and Values().
    // Returns kFileOk, kFileEmptyName, kFileCannotOpen or kFileCorrupt.
    int LoadValues(std::string_view name);
    const ModeFileHeader& Header() const { return header_; }
    const std::vector<uint16_t>& Values() const { return values_; }
    const ModeFileDate& CreationTime() const { return created_; }

  private:
    std::filesystem::path Named(std::string_view name) const;
    std::filesystem::path InFallback(std::string_view name) const;
    std::filesystem::path SettingsFile(const std::filesystem::path& directory,
                                       std::string_view group) const;

    FilePlaces places_;
    ModeFileDate created_;
    std::mt19937 random_;
    ModeFileHeader header_;
    std::vector<uint16_t> values_;
};

}  // namespace velto
