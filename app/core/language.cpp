#include "app/core/language.h"

#include <atomic>
#include <cstdint>

#include "link/link_texts.h"

namespace velto {
namespace {

std::atomic<int> g_language{kSimplifiedChinese};

}  // namespace

int LanguageIndex() {
    return g_language.load(std::memory_order_acquire);
}

void SetLanguageIndex(int language) {
    if (language >= kSimplifiedChinese && language <= kEnglish)
        g_language.store(language, std::memory_order_release);
}

std::optional<int> LanguageFromSetting(int stored) {
    const auto low = static_cast<int8_t>(stored & 0xFF);
    if (low < kSimplifiedChinese || low > kEnglish) return std::nullopt;
    return low;
}

int LanguageFromLocaleId(int localeId) {
    switch (localeId) {
        case 2052:
            return kSimplifiedChinese;
        case 1028:
        case 3076:
            return kTraditionalChinese;
        default:
            return kEnglish;
    }
}

int LocaleIdFromPosix(std::string_view name) {
    if (!name.starts_with("zh")) return 1033;
    if (name.find("Hant") != std::string_view::npos) return 1028;
    if (name.starts_with("zh_TW")) return 1028;
    if (name.starts_with("zh_HK") || name.starts_with("zh_MO")) return 3076;
    return 2052;
}

int CurrentMessageBoxLanguageId() {
    return MessageBoxLanguageId(LanguageIndex());
}

}  // namespace velto
