#pragma once
// The texts the link shows in message boxes and on the progress window.  The link names them;
// the text tables decide their wording in the current language.

#include <string>

namespace velto {

enum class LinkText {
    ThreadFailed,       // "创建串口发送线程失败！" in every language
    EquipmentWrong,     // "Equipment model is wrong!"
    EncryptedMode,      // "Unable to read encrypted mode!"
    ReadDataFailed,     // "Read Data Failed!"
    ReadDeviceData,     // "Read Device Data:%5.0f %%"
    UpdateDisplayData,  // "Update Display Data:%5.0f %%"
    UpdateSceneData,    // "Update Scene Data:%5.0f %%"
    Call,               // "Call"
    SaveSuccessfully,   // "Save successfully!"
    SaveFailed,         // "Save Failed!"
    RecallFailed,       // "Invocation pattern of failure!"
    EnterFileName,      // "Please enter the file name!"
};

class LinkTextSource {
  public:
    virtual ~LinkTextSource() = default;
    virtual std::string Text(LinkText id) const = 0;
    // 0 Simplified Chinese, 1 Traditional Chinese, 2 English.
    virtual int LanguageIndex() const = 0;
};

// The English wording, for programs without text tables (the command-line tools).
class EnglishLinkTexts final : public LinkTextSource {
  public:
    std::string Text(LinkText id) const override;
    int LanguageIndex() const override { return 2; }
};

// Message-box language identifier of a language index: 2052, 1028 or 1033.
int MessageBoxLanguageId(int languageIndex);

}  // namespace velto
