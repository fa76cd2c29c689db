#include "app/core/link_text_table.h"

#include "app/core/language.h"
#include "app/core/text_vocabulary.h"

namespace velto {
namespace {

// The thread failure has this one wording in every language.
constexpr TextTriple kThreadFailed{"创建串口发送线程失败！", "创建串口发送线程失败！",
                                   "创建串口发送线程失败！"};

const TextTriple& TripleOf(LinkText id) {
    namespace link = texts::link_files;
    switch (id) {
        case LinkText::ThreadFailed:
            return kThreadFailed;
        case LinkText::EquipmentWrong:
            return link::kEquipmentWrong;
        case LinkText::EncryptedMode:
            return link::kEncryptedMode;
        case LinkText::ReadDataFailed:
            return link::kReadDataFailed;
        case LinkText::ReadDeviceData:
            return link::kReadDeviceData;
        case LinkText::UpdateDisplayData:
            return link::kUpdateDisplayData;
        case LinkText::UpdateSceneData:
            return link::kUpdateSceneData;
        case LinkText::Call:
            return link::kCall;
        case LinkText::SaveSuccessfully:
            return link::kSaveSuccessfully;
        case LinkText::SaveFailed:
            return link::kSaveFailed;
        case LinkText::RecallFailed:
            return link::kRecallFailed;
        case LinkText::EnterFileName:
            return texts::system_page::kEnterFileName;
    }
    return kThreadFailed;
}

}  // namespace

std::string LinkTextTable::Text(LinkText id) const {
    return std::string(CurrentText(TripleOf(id)));
}

int LinkTextTable::LanguageIndex() const {
    return velto::LanguageIndex();
}

}  // namespace velto
