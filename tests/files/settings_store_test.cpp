// Settings files and the file utility's two-place rule: the current directory first, then
// the per-user fallback directory.

#include <gtest/gtest.h>

#include <cstdlib>

#include "app/core/fallback_directory.h"
#include "app/core/link_settings.h"
#include "app/core/zb_file_data.h"
#include "tests/files/temp_places.h"

namespace velto::test {
namespace {

namespace fs = std::filesystem;

class SettingsStoreTest : public ::testing::Test {
  protected:
    CZB_FileData Store() const { return CZB_FileData(places.Places()); }
    fs::path Primary(const std::string& group) const { return places.Current() / (group + ".ini"); }
    fs::path Fallback(const std::string& group) const {
        return places.FallbackDir() / (group + ".ini");
    }

    TempPlaces places;
};

struct ReadCase {
    const char* name;
    const char* primary;   // nullptr: no file
    const char* fallback;  // nullptr: no file
    int expected;
};

class SettingsReadTest : public SettingsStoreTest,
                         public ::testing::WithParamInterface<ReadCase> {};

TEST_P(SettingsReadTest, PrimaryThenFallbackThenMinusOne) {
    places.MakeFallback();
    if (GetParam().primary) TempPlaces::Write(Primary("WIFI_Mode"), GetParam().primary);
    if (GetParam().fallback) TempPlaces::Write(Fallback("WIFI_Mode"), GetParam().fallback);
    EXPECT_EQ(Store().ReadSettingInt("WIFI_Mode", "m_COM_MdoeIO"), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Places, SettingsReadTest,
    ::testing::Values(
        ReadCase{"Nowhere", nullptr, nullptr, -1},
        ReadCase{"Primary", "[CP950]\r\nm_COM_MdoeIO=2\r\n", "[CP950]\r\nm_COM_MdoeIO=3\r\n", 2},
        ReadCase{"FallbackOnly", nullptr, "[CP950]\r\nm_COM_MdoeIO=3\r\n", 3},
        ReadCase{"NegativeCountsAsMissing", "[CP950]\r\nm_COM_MdoeIO=-5\r\n",
                 "[CP950]\r\nm_COM_MdoeIO=2\r\n", 2},
        ReadCase{"NegativeEverywhere", "[CP950]\r\nm_COM_MdoeIO=-5\r\n", nullptr, -1},
        ReadCase{"OtherSectionOnly", "[General]\r\nm_COM_MdoeIO=2\r\n", nullptr, -1},
        ReadCase{"Zero", "[CP950]\r\nm_COM_MdoeIO=0\r\n", "[CP950]\r\nm_COM_MdoeIO=2\r\n", 0}),
    [](const auto& test) { return std::string(test.param.name); });

TEST_F(SettingsStoreTest, WriteGoesToBothCopiesWhenTheFallbackExists) {
    places.MakeFallback();
    EXPECT_TRUE(Store().WriteSettingInt("Language", "Language", 2));
    EXPECT_EQ(TempPlaces::Read(Primary("Language")), "[CP950]\r\nLanguage=2\r\n");
    EXPECT_EQ(TempPlaces::Read(Fallback("Language")), "[CP950]\r\nLanguage=2\r\n");
    EXPECT_EQ(Store().ReadSettingInt("Language", "Language"), 2);
}

TEST_F(SettingsStoreTest, SettingsNeverCreateTheFallbackDirectory) {
    EXPECT_TRUE(Store().WriteSettingInt("Language", "Language", 1));
    EXPECT_EQ(Store().ReadSettingInt("Language", "Language"), 1);
    EXPECT_FALSE(fs::exists(places.FallbackDir()));
}

TEST_F(SettingsStoreTest, FailedPrimaryWriteWritesNothing) {
    places.MakeFallback();
    fs::remove_all(places.Current());  // the primary file cannot be created
    EXPECT_FALSE(Store().WriteSettingString("Language", "Language", "1"));
    EXPECT_FALSE(fs::exists(Fallback("Language")));
}

TEST_F(SettingsStoreTest, WritingOneKeyKeepsAFileThePlatformWrote) {
    // UTF-16LE with a mark, CRLF, spaces around '=', comments and another section.
    const std::u16string before =
        u"; 设置\r\n[General]\r\nx = 1\r\n\r\n[CP950]\r\nLanguage = 0\r\n";
    const std::u16string after = u"; 设置\r\n[General]\r\nx = 1\r\n\r\n[CP950]\r\nLanguage=2\r\n";
    auto utf16 = [](const std::u16string& text) {
        std::string bytes = "\xFF\xFE";
        for (char16_t c : text)
            bytes += {static_cast<char>(c & 0xFF), static_cast<char>(c >> 8)};
        return bytes;
    };
    TempPlaces::Write(Primary("Language"), utf16(before));
    EXPECT_EQ(Store().ReadSettingInt("Language", "Language"), 0);
    Store().WriteSettingInt("Language", "Language", 2);
    EXPECT_EQ(TempPlaces::Read(Primary("Language")), utf16(after));
}

TEST_F(SettingsStoreTest, LinkReadsItsKindAndSpeedThroughTheReader) {
    TempPlaces::Write(Primary("WIFI_Mode"),
                      "[CP950]\r\nm_COM_MdoeIO=3\r\nm_COM_m_BoTeLV=115200\r\n");
    FileSettingsReader reader(places.Places());
    EXPECT_EQ(reader.ReadSettingInt("WIFI_Mode", "m_COM_MdoeIO"), 3);
    EXPECT_EQ(reader.ReadSettingInt("WIFI_Mode", "m_COM_m_BoTeLV"), 115200);
    EXPECT_EQ(reader.ReadSettingInt("Language", "Language"), -1);
}

TEST_F(SettingsStoreTest, FilesAreFoundDeletedAndResolvedInBothPlaces) {
    places.MakeFallback();
    TempPlaces::Write(places.Current() / "a.qvd", "a");
    TempPlaces::Write(places.FallbackDir() / "b.qvd", "b");
    CZB_FileData store = Store();
    EXPECT_TRUE(store.FileExists("a.qvd"));
    EXPECT_TRUE(store.FileExists("b.qvd"));
    EXPECT_FALSE(store.FileExists("c.qvd"));
    EXPECT_EQ(store.FullPathOf("a.qvd"), (places.Current() / "a.qvd").string());
    EXPECT_EQ(store.FullPathOf("b.qvd"), (places.FallbackDir() / "b.qvd").string());
    EXPECT_EQ(store.FullPathOf("c.qvd"), "");

    EXPECT_EQ(store.DeleteDataFile(""), kFileEmptyName);
    EXPECT_EQ(store.DeleteDataFile("b.qvd"), kFileOk);
    EXPECT_FALSE(store.FileExists("b.qvd"));
    EXPECT_EQ(store.DeleteDataFile("c.qvd"), kFileOk);
}

TEST_F(SettingsStoreTest, DeleteTakesTheNamedCopyFirst) {
    places.MakeFallback();
    TempPlaces::Write(places.Current() / "a.qvd", "a");
    TempPlaces::Write(places.FallbackDir() / "a.qvd", "a");
    Store().DeleteDataFile("a.qvd");
    EXPECT_FALSE(fs::exists(places.Current() / "a.qvd"));
    EXPECT_TRUE(fs::exists(places.FallbackDir() / "a.qvd"));
}

TEST_F(SettingsStoreTest, DirectoriesWithOrWithoutTrailingSeparator) {
    const std::string nested = (places.FallbackDir() / "deeper").string() + "/";
    EXPECT_FALSE(CZB_FileData::IsDirectory(nested));
    EXPECT_TRUE(CZB_FileData::MakeDirectory(nested));
    EXPECT_TRUE(CZB_FileData::IsDirectory(nested));
    EXPECT_TRUE(CZB_FileData::IsDirectory(nested.substr(0, nested.size() - 1)));
    TempPlaces::Write(places.Current() / "file", "x");
    EXPECT_FALSE(CZB_FileData::IsDirectory((places.Current() / "file").string()));
}

struct TempPathCase {
    const char* temp;
    const char* fallback;
};

TEST(FallbackDirectoryTest, WindowsRuleKeepsThePartBeforeTemp) {
    const TempPathCase cases[] = {
        {"C:\\Users\\u\\AppData\\Local\\Temp\\", "C:\\Users\\u\\AppData\\Local\\CP950\\"},
        {"C:\\Users\\u\\AppData\\Local\\Temp\\2\\", "C:\\Users\\u\\AppData\\Local\\CP950\\"},
        {"D:\\Temp\\", "D:\\CP950\\"},
        {"C:\\Users\\Template\\Temp\\", "C:\\Users\\CP950\\"},  // the first "Temp" counts
        {"C:\\tmp\\", "CP950\\"},                               // no "Temp": relative
        {"/tmp/", "CP950\\"},
        {"", "CP950\\"},
    };
    for (const TempPathCase& c : cases)
        EXPECT_EQ(FallbackDirectoryForTempPath(c.temp), c.fallback) << c.temp;
}

TEST(FallbackDirectoryTest, OnlyTheFirst255CharactersOfTheTempPathCount) {
    // "Temp" ends at character 255 in the first path and is cut in the second.
    const std::string longPath = std::string(250, 'x') + "\\Temp\\";
    EXPECT_EQ(FallbackDirectoryForTempPath(longPath), std::string(250, 'x') + "\\CP950\\");
    const std::string tooLong = std::string(251, 'x') + "\\Temp\\";
    EXPECT_EQ(FallbackDirectoryForTempPath(tooLong), "CP950\\");
}

class UserFallbackTest : public ::testing::Test {
  protected:
    void SetUp() override {
        Save("XDG_DATA_HOME", xdg_);
        Save("HOME", home_);
    }
    void TearDown() override {
        Restore("XDG_DATA_HOME", xdg_);
        Restore("HOME", home_);
    }

  private:
    static void Save(const char* name, std::optional<std::string>& slot) {
        if (const char* v = std::getenv(name)) slot = v;
    }
    static void Restore(const char* name, const std::optional<std::string>& slot) {
        if (slot) {
            setenv(name, slot->c_str(), 1);
        } else {
            unsetenv(name);
        }
    }
    std::optional<std::string> xdg_, home_;
};

TEST_F(UserFallbackTest, DataHomeThenHomeThenRelative) {
    setenv("XDG_DATA_HOME", "/data/u", 1);
    setenv("HOME", "/home/u", 1);
    EXPECT_EQ(UserFallbackDirectory(), "/data/u/CP950/");
    setenv("XDG_DATA_HOME", "relative/ignored", 1);
    EXPECT_EQ(UserFallbackDirectory(), "/home/u/.local/share/CP950/");
    unsetenv("XDG_DATA_HOME");
    EXPECT_EQ(UserFallbackDirectory(), "/home/u/.local/share/CP950/");
    unsetenv("HOME");
    EXPECT_EQ(UserFallbackDirectory(), "CP950/");
}

}  // namespace
}  // namespace velto::test
