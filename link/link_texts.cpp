#include "link/link_texts.h"

namespace velto {

std::string EnglishLinkTexts::Text(LinkText id) const {
    switch (id) {
        case LinkText::ThreadFailed:
            return "创建串口发送线程失败！";
        case LinkText::EquipmentWrong:
            return "Equipment model is wrong!";
        case LinkText::EncryptedMode:
            return "Unable to read encrypted mode!";
        case LinkText::ReadDataFailed:
            return "Read Data Failed!";
        case LinkText::ReadDeviceData:
            return "Read Device Data:%5.0f %%";
        case LinkText::UpdateDisplayData:
            return "Update Display Data:%5.0f %%";
        case LinkText::UpdateSceneData:
            return "Update Scene Data:%5.0f %%";
        case LinkText::Call:
            return "Call";
        case LinkText::SaveSuccessfully:
            return "Save successfully!";
        case LinkText::SaveFailed:
            return "Save Failed!";
        case LinkText::RecallFailed:
            return "Invocation pattern of failure!";
        case LinkText::EnterFileName:
            return "Please enter the file name!";
    }
    return {};
}

int MessageBoxLanguageId(int languageIndex) {
    switch (languageIndex) {
        case 0:
            return 2052;
        case 1:
            return 1028;
        default:
            return 1033;
    }
}

}  // namespace velto
