// The trilingual texts: the vocabulary's shape, the pick of the current language, formats with
// each language's own field widths, and the language choice at start-up.

#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "app/core/language.h"
#include "app/core/link_text_table.h"
#include "app/core/text_vocabulary.h"

namespace velto::test {
namespace {

// Restores the process-wide language after each test.
class LanguageTest : public ::testing::Test {
  protected:
    void TearDown() override { SetLanguageIndex(saved_); }

  private:
    int saved_ = LanguageIndex();
};

std::vector<const TextTriple*> Vocabulary() {
    std::vector<const TextTriple*> all;
    auto add = [&](const auto& group) { all.insert(all.end(), group.begin(), group.end()); };
    add(texts::main_window::kAll);
    add(texts::pages::kAll);
    add(texts::system_page::kAll);
    add(texts::link_files::kAll);
    add(texts::wifi_settings::kAll);
    add(texts::app_update::kAll);
    return all;
}

// The conversion letters of a printf format, "%%" left out: "Echo:%4dms %3.1f" gives "df".
std::string Conversions(std::string_view format) {
    std::string letters;
    for (size_t i = 0; i < format.size(); ++i) {
        if (format[i] != '%') continue;
        size_t j = i + 1;
        while (j < format.size() &&
               std::string_view("-+ #0123456789.").find(format[j]) != std::string_view::npos)
            ++j;
        if (j < format.size() && format[j] != '%') letters += format[j];
        i = j;
    }
    return letters;
}

TEST(VocabularyTest, HoldsEveryGroupAndNoTripleTwice) {
    EXPECT_EQ(texts::main_window::kAll.size(), 27u);
    EXPECT_EQ(texts::pages::kAll.size(), 65u);
    EXPECT_EQ(texts::system_page::kAll.size(), 48u);
    EXPECT_EQ(texts::link_files::kAll.size(), 14u);
    EXPECT_EQ(texts::wifi_settings::kAll.size(), 4u);
    EXPECT_EQ(texts::app_update::kAll.size(), 2u);
    std::set<std::tuple<std::string_view, std::string_view, std::string_view>> distinct;
    for (const TextTriple* t : Vocabulary())
        distinct.insert({t->simplified, t->traditional, t->english});
    EXPECT_EQ(distinct.size(), 160u);
}

TEST(VocabularyTest, EveryLanguageFormatsTheSameKindsOfValue) {
    for (const TextTriple* t : Vocabulary()) {
        EXPECT_FALSE(t->simplified.empty() || t->traditional.empty() || t->english.empty())
            << t->english;
        const std::string english = Conversions(t->english);
        EXPECT_EQ(Conversions(t->simplified), english) << t->english;
        EXPECT_EQ(Conversions(t->traditional), english) << t->english;
    }
}

TEST(VocabularyTest, TextsAreKeptCharacterForCharacter) {
    // Full-width punctuation, doubled spaces, line breaks and a trailing space are the texts'.
    EXPECT_EQ(texts::link_files::kNoFiles.english, "No files\u3002");
    EXPECT_EQ(texts::system_page::kNoFiles.english, "No files.");
    EXPECT_EQ(texts::link_files::kDataHasPassword.english, "The data has a password .");
    EXPECT_EQ(texts::pages::kGainDb.english, "Gain:\n(db)");
    EXPECT_EQ(texts::pages::kShiftZero.english, "Shift:   0 ");
    EXPECT_EQ(
        texts::wifi_settings::kResetToConnectRouter.english,
        "Reset to connect the routing,\r\n Please check routing SSID and password are correct.");
    EXPECT_EQ(texts::pages::kEchoRPreDelay.traditional, "回声右通道預延時:%2d%%");
}

TEST_F(LanguageTest, CurrentTextFollowsTheLanguageIndex) {
    const std::string_view expected[] = {"手动", "手動", "Hand"};
    for (int language = 0; language < 3; ++language) {
        SetLanguageIndex(language);
        EXPECT_EQ(CurrentText(texts::main_window::kHand), expected[language]);
    }
}

TEST_F(LanguageTest, SetLanguageIndexRefusesUnknownLanguages) {
    SetLanguageIndex(kTraditionalChinese);
    SetLanguageIndex(3);
    SetLanguageIndex(-1);
    EXPECT_EQ(LanguageIndex(), kTraditionalChinese);
}

TEST_F(LanguageTest, EachLanguageFormatsWithItsOwnFieldWidths) {
    struct Case {
        int language;
        std::string text;
    };
    const Case cases[] = {
        {0, "回声预延时:     25ms"}, {1, "回聲預延時:     25ms"}, {2, "Echo PreDelay:  25ms"}};
    for (const Case& c : cases) {
        SetLanguageIndex(c.language);
        EXPECT_EQ(FormatCurrent(texts::pages::kEchoPreDelayMs, 25), c.text);
    }
    SetLanguageIndex(kEnglish);
    EXPECT_EQ(FormatCurrent(texts::link_files::kUpdateSceneData, 42.0),
              "Update Scene Data:   42 %");
    EXPECT_EQ(FormatCurrent(texts::pages::kAttackMs, 2.5), "Attack:   2.5ms");
}

TEST_F(LanguageTest, MessageBoxesSpeakTheCurrentLanguage) {
    const int expected[] = {2052, 1028, 1033};
    for (int language = 0; language < 3; ++language) {
        SetLanguageIndex(language);
        EXPECT_EQ(CurrentMessageBoxLanguageId(), expected[language]);
    }
}

TEST(LanguageChoiceTest, StoredSettingByItsLowByte) {
    const std::pair<int, std::optional<int>> cases[] = {
        {-1, std::nullopt},  {0, 0},   {1, 1},   {2, 2}, {3, std::nullopt}, {127, std::nullopt},
        {128, std::nullopt},  // -128 as a signed byte
        {255, std::nullopt}, {256, 0}, {258, 2},
    };
    for (const auto& [stored, language] : cases)
        EXPECT_EQ(LanguageFromSetting(stored), language) << stored;
}

TEST(LanguageChoiceTest, SystemLocale) {
    const std::pair<int, int> ids[] = {{2052, 0}, {1028, 1}, {3076, 1},
                                       {1041, 2}, {1033, 2}, {0, 2}};
    for (const auto& [id, language] : ids)
        EXPECT_EQ(LanguageFromLocaleId(id), language) << id;
    const std::pair<const char*, int> names[] = {
        {"zh_CN.UTF-8", 2052}, {"zh_SG", 2052},       {"zh_TW.UTF-8", 1028},
        {"zh_Hant_CN", 1028},  {"zh_HK.UTF-8", 3076}, {"zh_MO", 3076},
        {"en_US.UTF-8", 1033}, {"C", 1033},           {"", 1033},
    };
    for (const auto& [name, id] : names)
        EXPECT_EQ(LocaleIdFromPosix(name), id) << name;
}

TEST_F(LanguageTest, LinkTextsComeFromTheTablesInTheCurrentLanguage) {
    const LinkTextTable table;
    SetLanguageIndex(kTraditionalChinese);
    EXPECT_EQ(table.LanguageIndex(), kTraditionalChinese);
    EXPECT_EQ(table.Text(LinkText::UpdateSceneData), "更新場景參數:%5.0f %%");
    EXPECT_EQ(table.Text(LinkText::EnterFileName), "請輸入文件名!");
    EXPECT_EQ(table.Text(LinkText::ThreadFailed), "创建串口发送线程失败！");
    SetLanguageIndex(kEnglish);
    // In English the table says what the link's built-in English says, for every text.
    const EnglishLinkTexts english;
    for (int id = 0; id <= static_cast<int>(LinkText::EnterFileName); ++id)
        EXPECT_EQ(table.Text(static_cast<LinkText>(id)), english.Text(static_cast<LinkText>(id)))
            << id;
    SetLanguageIndex(kSimplifiedChinese);
    EXPECT_EQ(table.Text(LinkText::Call), "调用模式");
    EXPECT_EQ(table.Text(LinkText::ThreadFailed), "创建串口发送线程失败！");
}

}  // namespace
}  // namespace velto::test
