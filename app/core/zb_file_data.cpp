#include "app/core/zb_file_data.h"

#include <ctime>
#include <fstream>
#include <iterator>

#include "link/param_table.h"
#include "platform/ini_profile.h"

namespace velto {
namespace {

namespace fs = std::filesystem;

// No file this program writes comes near this; anything larger is not a mode file and is not
// read into memory.
constexpr std::uintmax_t kLargestDataFile = 1 << 20;

ModeFileDate LocalNow() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
            local.tm_hour,        local.tm_min,     local.tm_sec};
}

bool IsFile(const fs::path& path) {
    std::error_code error;
    return fs::is_regular_file(path, error);
}

// Writes beside the target and renames over it, so a failed write never leaves a half file
// and never costs the old one.
bool WriteReplacing(const fs::path& target, const std::vector<uint8_t>& bytes) {
    fs::path temporary = target;
    temporary += ".part";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) return false;
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (out.fail()) {
            std::error_code ignored;
            fs::remove(temporary, ignored);
            return false;
        }
    }
    std::error_code error;
    fs::rename(temporary, target, error);
    if (error) fs::remove(temporary, error);
    return !error;
}

bool ReadSmallFile(const fs::path& path, std::vector<uint8_t>& bytes) {
    std::error_code error;
    if (!IsFile(path)) return false;
    const std::uintmax_t size = fs::file_size(path, error);
    if (error) return false;
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    if (size > kLargestDataFile) {
        bytes.clear();  // opened, but cannot be a mode file
        return true;
    }
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

std::string WithoutTrailingSeparator(std::string_view path) {
    if (path.size() > 1 && path.back() == '/') path.remove_suffix(1);
    return std::string(path);
}

}  // namespace

CZB_FileData::CZB_FileData(FilePlaces places)
    : places_(std::move(places)), created_(LocalNow()), random_(std::random_device{}()) {}

fs::path CZB_FileData::Named(std::string_view name) const {
    return places_.current / fs::path(name);
}

fs::path CZB_FileData::InFallback(std::string_view name) const {
    return fs::path(places_.fallback) / fs::path(name);
}

fs::path CZB_FileData::SettingsFile(const fs::path& directory, std::string_view group) const {
    return directory / (std::string(group) + ".ini");
}

int CZB_FileData::ReadSettingInt(std::string_view group, std::string_view key) const {
    const int primary =
        ReadProfileInt(SettingsFile(places_.current, group), kSettingsSection, key, -1);
    if (primary >= 0) return primary;
    return ReadProfileInt(SettingsFile(places_.fallback, group), kSettingsSection, key, -1);
}

bool CZB_FileData::WriteSettingString(std::string_view group, std::string_view key,
                                      std::string_view text) const {
    if (!WriteProfileString(SettingsFile(places_.current, group), kSettingsSection, key, text))
        return false;
    // Fails quietly while the fallback directory does not exist: settings never create it.
    WriteProfileString(SettingsFile(places_.fallback, group), kSettingsSection, key, text);
    return true;
}

bool CZB_FileData::WriteSettingInt(std::string_view group, std::string_view key, int value) const {
    return WriteSettingString(group, key, std::to_string(value));
}

bool CZB_FileData::FileExists(std::string_view name) const {
    return IsFile(Named(name)) || IsFile(InFallback(name));
}

int CZB_FileData::DeleteDataFile(std::string_view name) const {
    if (name.empty()) return kFileEmptyName;
    std::error_code ignored;
    if (IsFile(Named(name))) {
        fs::remove(Named(name), ignored);
    } else if (IsFile(InFallback(name))) {
        fs::remove(InFallback(name), ignored);
    }
    return kFileOk;
}

std::string CZB_FileData::FullPathOf(std::string_view name) const {
    std::error_code error;
    for (const fs::path& candidate : {Named(name), InFallback(name)}) {
        if (!IsFile(candidate)) continue;
        const fs::path full = fs::absolute(candidate, error);
        if (!error) return full.lexically_normal().string();
    }
    return {};
}

bool CZB_FileData::MakeDirectory(std::string_view path) {
    const std::string directory = WithoutTrailingSeparator(path);
    std::error_code error;
    fs::create_directories(directory, error);
    return IsDirectory(directory);
}

bool CZB_FileData::IsDirectory(std::string_view path) {
    std::error_code error;
    return fs::is_directory(WithoutTrailingSeparator(path), error);
}

int CZB_FileData::SaveValues(std::string_view name, std::span<const int32_t> values) {
    if (name.empty()) return kFileEmptyName;
    const fs::path named = Named(name);
    const fs::path fallback = InFallback(name);
    const bool existedNamed = IsFile(named);
    const bool existedFallback = IsFile(fallback);

    std::vector<uint16_t> low(values.size());
    for (size_t i = 0; i < values.size(); ++i)
        low[i] = static_cast<uint16_t>(values[i] & 0xFFFF);
    const std::vector<uint8_t> bytes = EncodeModeFile(low, kIdentityCode, created_, random_);

    fs::path written = named;
    if (!WriteReplacing(named, bytes)) {
        if (!IsDirectory(places_.fallback)) MakeDirectory(places_.fallback);
        written = fallback;
        if (!WriteReplacing(fallback, bytes)) return kFileCannotCreate;
    }
    // One copy per name: the older file under the other location is removed, as a delete
    // before writing would have done.
    std::error_code ignored;
    if (written == named && !existedNamed && existedFallback) fs::remove(fallback, ignored);
    if (written == fallback && existedNamed && fallback != named) fs::remove(named, ignored);
    return existedNamed || existedFallback ? kFileExisted : kFileOk;
}

int CZB_FileData::LoadValues(std::string_view name) {
    header_ = {};
    values_.clear();
    if (name.empty()) return kFileEmptyName;
    std::vector<uint8_t> bytes;
    if (!ReadSmallFile(Named(name), bytes) && !ReadSmallFile(InFallback(name), bytes))
        return kFileCannotOpen;
    DecodedModeFile decoded = DecodeModeFile(bytes);
    header_ = decoded.header;
    if (!decoded.complete || !decoded.crcHolds) return kFileCorrupt;
    values_ = std::move(decoded.values);
    return kFileOk;
}

}  // namespace velto
