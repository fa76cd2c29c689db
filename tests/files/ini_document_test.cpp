// The profile-file reader and writer: what the platform's own files look like, and that
// writing one key leaves everything else byte for byte.

#include <gtest/gtest.h>

#include <string>

#include "platform/ini_document.h"
#include "platform/ini_profile.h"

namespace velto::test {
namespace {

std::span<const uint8_t> Bytes(const std::string& s) {
    return {reinterpret_cast<const uint8_t*>(s.data()), s.size()};
}

std::string Text(const std::vector<uint8_t>& bytes) {
    return {bytes.begin(), bytes.end()};
}

// UTF-16LE with a byte-order mark, as the platform's editors save Unicode INI files.
std::string Utf16Le(const std::u16string& text) {
    std::string out = "\xFF\xFE";
    for (char16_t c : text) {
        out += static_cast<char>(c & 0xFF);
        out += static_cast<char>(c >> 8);
    }
    return out;
}

struct ReadCase {
    const char* name;
    std::string file;
    std::optional<std::string> language;
};

class IniReadTest : public ::testing::TestWithParam<ReadCase> {};

TEST_P(IniReadTest, FindsTheKeyAsTheProfileFunctionsDo) {
    const IniDocument doc = IniDocument::Parse(Bytes(GetParam().file));
    EXPECT_EQ(doc.Get("CP950", "Language"), GetParam().language);
}

INSTANTIATE_TEST_SUITE_P(
    Files, IniReadTest,
    ::testing::Values(
        ReadCase{"Plain", "[CP950]\r\nLanguage=2\r\n", "2"},
        ReadCase{"LineFeeds", "[CP950]\nLanguage=1\n", "1"},
        ReadCase{"NoFinalBreak", "[CP950]\r\nLanguage=1", "1"},
        ReadCase{"StrayCarriageReturnAtEnd", "[CP950]\r\nLanguage=1\r", "1"},
        ReadCase{"SpacesAroundEquals", "[CP950]\r\n  Language   =   0  \r\n", "0"},
        ReadCase{"TabsAndSpacedHeader", "  [ CP950 ]  \r\n\tLanguage\t=\t2\r\n", "2"},
        ReadCase{"NamesIgnoreCase", "[cp950]\r\nLANGUAGE=1\r\n", "1"},
        ReadCase{"Quoted", "[CP950]\r\nLanguage=\"2\"\r\n", "2"},
        ReadCase{"CommentedKeyIsNotAKey", "[CP950]\r\n;Language=1\r\n", std::nullopt},
        ReadCase{"CommentsAround", "; written by hand\r\n[CP950]\r\n; 0 1 2\r\nLanguage=2\r\n",
                 "2"},
        ReadCase{"OtherSectionIgnored", "[Other]\r\nLanguage=1\r\n[CP950]\r\nLanguage=2\r\n", "2"},
        ReadCase{"KeyOnlyInOtherSection", "[Other]\r\nLanguage=1\r\n[CP950]\r\n", std::nullopt},
        ReadCase{"KeyBeforeAnySection", "Language=1\r\n[CP950]\r\n", std::nullopt},
        ReadCase{"FirstKeyWins", "[CP950]\r\nLanguage=1\r\nLanguage=2\r\n", "1"},
        ReadCase{"FirstSectionWins", "[CP950]\r\nX=1\r\n[CP950]\r\nLanguage=2\r\n", std::nullopt},
        ReadCase{"EmptyValue", "[CP950]\r\nLanguage=\r\n", ""},
        ReadCase{"LineWithoutEquals", "[CP950]\r\nLanguage\r\n", std::nullopt},
        ReadCase{"Utf8Mark", "\xEF\xBB\xBF[CP950]\r\nLanguage=1\r\n", "1"},
        ReadCase{"Utf16LeMark", Utf16Le(u"; 语言\r\n[CP950]\r\nLanguage = 2\r\n"), "2"},
        ReadCase{"Empty", "", std::nullopt}),
    [](const auto& test) { return std::string(test.param.name); });

struct WriteCase {
    const char* name;
    std::string before;
    std::string after;  // after Set("CP950", "Language", "1")
};

class IniWriteTest : public ::testing::TestWithParam<WriteCase> {};

TEST_P(IniWriteTest, ChangesOnlyTheKeysLine) {
    IniDocument doc = IniDocument::Parse(Bytes(GetParam().before));
    doc.Set("CP950", "Language", "1");
    EXPECT_EQ(Text(doc.Serialize()), GetParam().after);
    EXPECT_EQ(IniDocument::Parse(doc.Serialize()).Get("CP950", "Language"), "1");
}

INSTANTIATE_TEST_SUITE_P(
    Files, IniWriteTest,
    ::testing::Values(
        WriteCase{"NewFile", "", "[CP950]\r\nLanguage=1\r\n"},
        WriteCase{"ReplaceKeepingEverythingElse",
                  "; comment\r\n[Other]\r\nA = 5\r\n\r\n[CP950]\r\n  Language = 2 ; old\r\nB=3\r\n",
                  "; comment\r\n[Other]\r\nA = 5\r\n\r\n[CP950]\r\nLanguage=1\r\nB=3\r\n"},
        WriteCase{"KeepsTheKeysSpelling", "[cp950]\r\nLANGUAGE=0\r\n", "[cp950]\r\nLANGUAGE=1\r\n"},
        WriteCase{"AddsKeyAtEndOfSectionBeforeBlankLines",
                  "[CP950]\r\nB=3\r\n; note\r\n\r\n[Other]\r\nA=5\r\n",
                  "[CP950]\r\nB=3\r\n; note\r\nLanguage=1\r\n\r\n[Other]\r\nA=5\r\n"},
        WriteCase{"AddsSectionAtEnd", "[Other]\nA=5\n", "[Other]\nA=5\n[CP950]\nLanguage=1\n"},
        WriteCase{"EndsALastLineWithoutBreak", "[Other]\r\nA=5",
                  "[Other]\r\nA=5\r\n[CP950]\r\nLanguage=1\r\n"},
        WriteCase{"KeyAfterHeaderAtEndOfFile", "[CP950]", "[CP950]\r\nLanguage=1\r\n"},
        WriteCase{"KeepsUtf8Mark", "\xEF\xBB\xBF[CP950]\r\nLanguage=0\r\n",
                  "\xEF\xBB\xBF[CP950]\r\nLanguage=1\r\n"},
        WriteCase{"KeepsAnsiBytes", "; \xC4\xE3\xBA\xC3\r\n[CP950]\r\nLanguage=0\r\n",
                  "; \xC4\xE3\xBA\xC3\r\n[CP950]\r\nLanguage=1\r\n"},
        WriteCase{"KeepsUtf16", Utf16Le(u"; 语言 \U0001F600\r\n[CP950]\r\nLanguage=0\r\n"),
                  Utf16Le(u"; 语言 \U0001F600\r\n[CP950]\r\nLanguage=1\r\n")}),
    [](const auto& test) { return std::string(test.param.name); });

TEST(IniDocumentTest, UnchangedFilesSerializeByteForByte) {
    for (const std::string& file :
         {std::string("[CP950]\r\nLanguage=1\r\n"), std::string("\n\n[a]\r\nb\n;c\r"),
          std::string("\xEF\xBB\xBFx=1"), Utf16Le(u"[CP950]\nLanguage=2"),
          std::string("\x80\xFF\r\r\n")})
        EXPECT_EQ(Text(IniDocument::Parse(Bytes(file)).Serialize()), file);
}

TEST(IniDocumentTest, Utf16ValuesReadAsUtf8AndWriteBack) {
    IniDocument doc = IniDocument::Parse(Bytes(Utf16Le(u"[CP950]\r\nName=模式\r\n")));
    EXPECT_EQ(doc.Get("CP950", "Name"), "模式");
    doc.Set("CP950", "Name", "新");
    EXPECT_EQ(Text(doc.Serialize()), Utf16Le(u"[CP950]\r\nName=新\r\n"));
}

struct IntCase {
    const char* value;
    std::optional<int> number;
};

TEST(ProfileIntTest, ReadsTheLeadingDecimalNumber) {
    const IntCase cases[] = {
        {"0", 0},
        {"2", 2},
        {"-5", -5},
        {"+7", 7},
        {"  12", 12},
        {"12ab", 12},
        {"ab", 0},
        {"-", 0},
        {"", std::nullopt},
        {"   ", std::nullopt},
        {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1},
        {"2147483648", std::nullopt},
        {"99999999999999999999", std::nullopt},
    };
    for (const IntCase& c : cases)
        EXPECT_EQ(ParseProfileInt(c.value), c.number) << '"' << c.value << '"';
}

}  // namespace
}  // namespace velto::test
