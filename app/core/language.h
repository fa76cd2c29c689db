#pragma once
// The process-wide language index: 0 Simplified Chinese, 1 Traditional Chinese, 2 English.
// Written by start-up and by the System page's language list; read wherever a text is shown,
// on any thread.

#include <optional>
#include <string_view>

namespace velto {

enum Language : int { kSimplifiedChinese = 0, kTraditionalChinese = 1, kEnglish = 2 };

int LanguageIndex();
// Values outside 0..2 are refused and leave the index unchanged.
void SetLanguageIndex(int language);

// The language of a stored "Language" setting: its low byte read as a signed number.  A
// negative byte (missing or negative setting) and, as no table has a fourth language, a byte
// from 3 to 127 give nullopt: the system locale decides.
std::optional<int> LanguageFromSetting(int stored);

// The language of a Windows locale identifier: 2052 Simplified Chinese, 1028 and 3076
// Traditional Chinese, anything else English.
int LanguageFromLocaleId(int localeId);

// The locale identifier of a POSIX locale name such as "zh_CN.UTF-8" or "zh_TW": 2052 for
// mainland China and Singapore, 1028 for Taiwan and the Traditional script, 3076 for Hong Kong
// and Macau, 1033 otherwise.
int LocaleIdFromPosix(std::string_view localeName);

// The message-box language identifier of the current language: 2052, 1028 or 1033.
int CurrentMessageBoxLanguageId();

}  // namespace velto
