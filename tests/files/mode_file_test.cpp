// Mode files: the stored layout, its random filler and symbols, the CRC, and the two-place
// save and load of the file utility.

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <set>

#include "app/core/zb_file_data.h"
#include "link/param_table.h"
#include "system/core/mode_file_codec.h"
#include "system/core/mode_file_info.h"
#include "tests/files/temp_places.h"

namespace velto::test {
namespace {

namespace fs = std::filesystem;

constexpr ModeFileDate kDate{2024, 5, 17, 21, 8, 59};

std::vector<uint16_t> SampleValues(size_t count, uint32_t seed) {
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> value(0, 0xFFFF);
    std::vector<uint16_t> values(count);
    for (uint16_t& v : values)
        v = static_cast<uint16_t>(value(random));
    return values;
}

std::vector<uint8_t> Encode(const std::vector<uint16_t>& values, uint32_t seed,
                            int32_t identity = kIdentityCode) {
    std::mt19937 random(seed);
    return EncodeModeFile(values, identity, kDate, random);
}

std::vector<uint8_t> Symbols(const std::vector<uint8_t>& stored) {
    return {stored.begin() + kModeSymbolOffset,
            stored.begin() + kModeSymbolOffset + kModeSymbolCount};
}

// Stored position of the high and low nibble of logical byte at.
size_t HighNibbleAt(size_t at) {
    return kModePlainBytes + 2 * (at - kModePlainBytes);
}

TEST(ModeFileCodecTest, FullFileHasTheStoredSizeAndHeader) {
    const auto values = SampleValues(kSlotCount, 1);
    const auto stored = Encode(values, 2);
    EXPECT_EQ(stored.size(), 4468u);
    EXPECT_EQ(ModeFileSize(kSlotCount), 4468u);
    const DecodedModeFile file = DecodeModeFile(stored);
    ASSERT_TRUE(file.complete);
    EXPECT_TRUE(file.crcHolds);
    EXPECT_EQ(file.header.headerSize, 512);
    EXPECT_EQ(file.header.count, kSlotCount);
    EXPECT_EQ(file.header.identity, kIdentityCode);
    EXPECT_EQ(file.header.passwordMark, 0);
    EXPECT_EQ(file.header.date, kDate);
    EXPECT_EQ(file.values, values);
}

TEST(ModeFileCodecTest, TwoFilesOfTheSameValuesDifferButDecodeEqual) {
    const auto values = SampleValues(kSlotCount, 1);
    const auto first = Encode(values, 10);
    const auto second = Encode(values, 11);
    EXPECT_NE(Symbols(first), Symbols(second));
    EXPECT_FALSE(std::equal(first.begin(), first.begin() + kModeSymbolOffset, second.begin()));
    EXPECT_EQ(DecodeModeFile(first).values, DecodeModeFile(second).values);
}

TEST(ModeFileCodecTest, SymbolsAreTwentyDistinctBytes) {
    for (uint32_t seed = 0; seed < 200; ++seed) {
        const auto symbols = Symbols(Encode({1, 2, 3}, seed));
        EXPECT_EQ(std::set<uint8_t>(symbols.begin(), symbols.end()).size(), kModeSymbolCount)
            << seed;
    }
}

TEST(ModeFileCodecTest, EncodedPartUsesOnlyTheFirstSixteenSymbols) {
    const auto stored = Encode(SampleValues(50, 3), 4);
    const auto symbols = Symbols(stored);
    const std::set<uint8_t> first16(symbols.begin(), symbols.begin() + 16);
    for (size_t i = kModePlainBytes; i < stored.size(); ++i)
        ASSERT_TRUE(first16.count(stored[i])) << i;
}

TEST(ModeFileCodecTest, AnyChangedEncodedByteBreaksTheCrc) {
    const auto values = SampleValues(kSlotCount, 5);
    const auto stored = Encode(values, 6);
    const auto symbols = Symbols(stored);
    // In the header, the first value, the last value and the CRC field.
    for (size_t at : {size_t{300}, size_t{512}, size_t{512 + 2 * 922 + 1}, size_t{512 + 2 * 923}}) {
        for (size_t pos : {HighNibbleAt(at), HighNibbleAt(at) + 1}) {
            auto changed = stored;
            const auto nibble =
                std::find(symbols.begin(), symbols.begin() + 16, stored[pos]) - symbols.begin();
            changed[pos] = symbols[(nibble + 1) % 16];
            const DecodedModeFile file = DecodeModeFile(changed);
            EXPECT_FALSE(file.crcHolds) << pos;
            EXPECT_TRUE(file.values.empty()) << pos;
        }
    }
}

TEST(ModeFileCodecTest, ByteOutsideTheSymbolTableReadsAsNibbleF) {
    std::vector<uint16_t> values = {0x1234, 0xF0F0, 0x5678};
    auto stored = Encode(values, 7);
    const auto symbols = Symbols(stored);
    uint8_t outside = 0;
    while (std::find(symbols.begin(), symbols.begin() + 16, outside) != symbols.begin() + 16)
        ++outside;
    // Value 1 is stored low byte first: its low byte's high nibble is F, so an unknown symbol
    // there still decodes to the same value and the CRC holds.
    stored[HighNibbleAt(512 + 2)] = outside;
    DecodedModeFile file = DecodeModeFile(stored);
    ASSERT_TRUE(file.crcHolds);
    EXPECT_EQ(file.values, values);
    // In place of a 0 nibble it reads as F and the CRC no longer holds.
    stored[HighNibbleAt(512 + 2) + 1] = outside;
    EXPECT_FALSE(DecodeModeFile(stored).crcHolds);
}

TEST(ModeFileCodecTest, SymbolsBeyondTheSixteenthAreNotNibbles) {
    // The four spare symbols decode as F like any other unknown byte.
    std::vector<uint16_t> values = {0x00FF};
    auto stored = Encode(values, 8);
    stored[HighNibbleAt(512)] = stored[kModeSymbolOffset + 17];
    EXPECT_TRUE(DecodeModeFile(stored).crcHolds);
}

TEST(ModeFileCodecTest, TruncatedOrOversizedDeclarationsNeverReadPastTheData) {
    const auto stored = Encode(SampleValues(kSlotCount, 9), 10);
    for (size_t size :
         {size_t{0}, size_t{255}, size_t{256}, size_t{335 * 2 - 256}, size_t{4467}, size_t{4000}}) {
        const std::vector<uint8_t> cut(stored.begin(),
                                       stored.begin() + std::min(size, stored.size()));
        const DecodedModeFile file = DecodeModeFile(cut);
        EXPECT_FALSE(file.complete) << size;
        EXPECT_TRUE(file.values.empty()) << size;
    }
    // A count far beyond the file is refused, not followed.
    auto huge = stored;
    huge[HighNibbleAt(266 + 3)] = stored[kModeSymbolOffset + 7];
    const DecodedModeFile file = DecodeModeFile(huge);
    EXPECT_TRUE(file.headerRead);
    EXPECT_FALSE(file.complete);
}

TEST(ModeFileCodecTest, DescribesAFileForTheCommandLine) {
    auto stored = Encode(SampleValues(kSlotCount, 11), 12);
    EXPECT_EQ(DescribeModeFile(stored),
              "identity: 20005\nvalues: 923\nheader: 512 bytes\nwritten: 2024-05-17 21:08:59\n"
              "password: none\ncrc: holds\n");
    std::mt19937 random(1);
    const auto locked = EncodeModeFile(SampleValues(3, 1), 4242, kDate, random, 1);
    EXPECT_NE(DescribeModeFile(locked).find("identity: 4242\nvalues: 3\n"), std::string::npos);
    EXPECT_NE(DescribeModeFile(locked).find("password: locked\n"), std::string::npos);
    stored[HighNibbleAt(600)] = stored[HighNibbleAt(600)] == stored[kModeSymbolOffset]
                                    ? stored[kModeSymbolOffset + 1]
                                    : stored[kModeSymbolOffset];
    EXPECT_NE(DescribeModeFile(stored).find("crc: mismatch\n"), std::string::npos);
    stored.resize(1000);
    EXPECT_NE(DescribeModeFile(stored).find("crc: file shorter than its header and values\n"),
              std::string::npos);
    EXPECT_EQ(DescribeModeFile(std::vector<uint8_t>(100)),
              "not a mode file: too short for a header\n");
}

class ModeFileStoreTest : public ::testing::Test {
  protected:
    CZB_FileData Store() const { return CZB_FileData(places.Places()); }
    static std::vector<int32_t> Table(uint32_t seed) {
        const auto low = SampleValues(kSlotCount, seed);
        std::vector<int32_t> values(low.begin(), low.end());
        values[5] = -1;  // a signed slot keeps its low 16 bits
        values[6] = 0x12345;
        return values;
    }
    static std::vector<uint16_t> Low16(const std::vector<int32_t>& values) {
        std::vector<uint16_t> low;
        for (int32_t v : values)
            low.push_back(static_cast<uint16_t>(v & 0xFFFF));
        return low;
    }
    TempPlaces places;
};

TEST_F(ModeFileStoreTest, FullTableSurvivesASaveAndALoad) {
    const auto table = Table(1);
    CZB_FileData writer = Store();
    EXPECT_EQ(writer.SaveValues("mode.qvd", table), kFileOk);
    EXPECT_EQ(fs::file_size(places.Current() / "mode.qvd"), 4468u);

    CZB_FileData reader = Store();
    ASSERT_EQ(reader.LoadValues("mode.qvd"), kFileOk);
    EXPECT_EQ(reader.Values(), Low16(table));
    EXPECT_EQ(reader.Header().identity, kIdentityCode);
    EXPECT_EQ(reader.Header().count, kSlotCount);
    EXPECT_EQ(reader.Header().passwordMark, 0);
    EXPECT_EQ(reader.Header().date, writer.CreationTime());
}

TEST_F(ModeFileStoreTest, TwoSavesOfOneStateDifferOnDiskButLoadEqual) {
    const auto table = Table(2);
    ASSERT_EQ(Store().SaveValues("a.qvd", table), kFileOk);
    ASSERT_EQ(Store().SaveValues("b.qvd", table), kFileOk);
    const std::string a = TempPlaces::Read(places.Current() / "a.qvd");
    const std::string b = TempPlaces::Read(places.Current() / "b.qvd");
    EXPECT_NE(a.substr(0, 40), b.substr(0, 40));
    CZB_FileData first = Store(), second = Store();
    ASSERT_EQ(first.LoadValues("a.qvd"), kFileOk);
    ASSERT_EQ(second.LoadValues("b.qvd"), kFileOk);
    EXPECT_EQ(first.Values(), second.Values());
}

TEST_F(ModeFileStoreTest, OneChangedStoredByteGivesTheCrcResult) {
    ASSERT_EQ(Store().SaveValues("mode.qvd", Table(3)), kFileOk);
    std::string bytes = TempPlaces::Read(places.Current() / "mode.qvd");
    const size_t pos = HighNibbleAt(700);
    // Another symbol of the table, so the byte decodes to another nibble.
    bytes[pos] = bytes[pos] == bytes[kModeSymbolOffset] ? bytes[kModeSymbolOffset + 1]
                                                        : bytes[kModeSymbolOffset];
    TempPlaces::Write(places.Current() / "mode.qvd", bytes);
    CZB_FileData reader = Store();
    EXPECT_EQ(reader.LoadValues("mode.qvd"), kFileCorrupt);
    EXPECT_TRUE(reader.Values().empty());
    EXPECT_EQ(reader.Header().count, kSlotCount);  // the header is read before the CRC check
}

TEST_F(ModeFileStoreTest, LoadResults) {
    TempPlaces::Write(places.Current() / "short.qvd", std::string(300, 'x'));
    CZB_FileData reader = Store();
    EXPECT_EQ(reader.LoadValues(""), kFileEmptyName);
    EXPECT_EQ(reader.LoadValues("missing.qvd"), kFileCannotOpen);
    EXPECT_EQ(reader.LoadValues("short.qvd"), kFileCorrupt);
    fs::create_directory(places.Current() / "dir.qvd");
    EXPECT_EQ(reader.LoadValues("dir.qvd"), kFileCannotOpen);
}

TEST_F(ModeFileStoreTest, SaveOverAnExistingFileReportsItAndReplacesIt) {
    ASSERT_EQ(Store().SaveValues("mode.qvd", Table(4)), kFileOk);
    EXPECT_EQ(Store().SaveValues("mode.qvd", Table(5)), kFileExisted);
    CZB_FileData reader = Store();
    ASSERT_EQ(reader.LoadValues("mode.qvd"), kFileOk);
    EXPECT_EQ(reader.Values(), Low16(Table(5)));
    EXPECT_EQ(Store().SaveValues("", Table(5)), kFileEmptyName);
    EXPECT_FALSE(fs::exists(places.Current() / "mode.qvd.part"));
}

TEST_F(ModeFileStoreTest, SaveFallsBackAndCreatesTheFallbackDirectory) {
    // A current "directory" that is a file: nothing can be created in it.
    FilePlaces blocked = places.Places();
    blocked.current = places.Current() / "not-a-directory";
    TempPlaces::Write(blocked.current, "x");
    CZB_FileData writer(blocked);
    EXPECT_EQ(writer.SaveValues("mode.qvd", Table(6)), kFileOk);
    EXPECT_TRUE(fs::exists(places.FallbackDir() / "mode.qvd"));

    CZB_FileData reader(blocked);
    ASSERT_EQ(reader.LoadValues("mode.qvd"), kFileOk);
    EXPECT_EQ(reader.Values(), Low16(Table(6)));
    EXPECT_EQ(reader.FullPathOf("mode.qvd"), (places.FallbackDir() / "mode.qvd").string());
}

TEST_F(ModeFileStoreTest, SaveThatCannotBeCreatedAnywhere) {
    FilePlaces blocked = places.Places();
    blocked.current = places.Current() / "not-a-directory";
    blocked.fallback = (places.Current() / "not-a-directory" / "fallback/").string();
    TempPlaces::Write(blocked.current, "x");
    EXPECT_EQ(CZB_FileData(blocked).SaveValues("mode.qvd", Table(7)), kFileCannotCreate);
}

TEST_F(ModeFileStoreTest, SavingWhereNamedRemovesTheOlderFallbackCopy) {
    places.MakeFallback();
    ASSERT_EQ(Store().SaveValues("mode.qvd", Table(8)), kFileOk);
    fs::rename(places.Current() / "mode.qvd", places.FallbackDir() / "mode.qvd");
    EXPECT_EQ(Store().SaveValues("mode.qvd", Table(9)), kFileExisted);
    EXPECT_TRUE(fs::exists(places.Current() / "mode.qvd"));
    EXPECT_FALSE(fs::exists(places.FallbackDir() / "mode.qvd"));
}

}  // namespace
}  // namespace velto::test
