#pragma once
// Every text the program shows that changes with the language, grouped by the part of the
// program that shows it.  The wording, spacing and punctuation are the program's own and are
// used exactly; in formats the field widths differ between the languages on purpose.
// clang-format off

#include <array>

#include "app/core/text_triple.h"

namespace velto::texts {

// The main window: status, tabs, mode buttons, master faders and its messages.
namespace main_window {

inline constexpr TextTriple kSuccessful{"连接成功", "連接成功", "Successful"};
inline constexpr TextTriple kSearch{"搜索连接", "搜索連接", "Search.."};
inline constexpr TextTriple kSuspended{"暂停连接", "暫停連接", "Suspended"};
inline constexpr TextTriple kMain{"主输出", "主輸出", "Main"};
inline constexpr TextTriple kCenter{"中置", "中置", "Center"};
inline constexpr TextTriple kSub{"超低音", "超低音", "Sub"};
inline constexpr TextTriple kRear{"环绕", "環繞", "Rear"};
inline constexpr TextTriple kMusic{"音乐", "音樂", "Music"};
inline constexpr TextTriple kMic{"麦克风", "麥克風", "Mic"};
inline constexpr TextTriple kEcho{"回声", "回聲", "Echo"};
inline constexpr TextTriple kReverb{"混响", "混響", "Reverb"};
inline constexpr TextTriple kSystem{"系统", "系統", "System"};
inline constexpr TextTriple kProgramRunning{"程序正在运行!", "程序正在運行!", "The Program is Running!"};
inline constexpr TextTriple kMicA{"话筒A", "話筒A", "MicA"};
inline constexpr TextTriple kMicB{"话筒B", "話筒B", "MicB"};
inline constexpr TextTriple kEffect{"效果", "效果", "Effect"};
inline constexpr TextTriple kEffectB{"效果B", "效果B", "EffectB"};
inline constexpr TextTriple kMusicInput{"音乐输入口:", "音樂輸入口:", "Music Input:"};
inline constexpr TextTriple kAuto{"自动", "自動", "Auto"};
inline constexpr TextTriple kHand{"手动", "手動", "Hand"};
inline constexpr TextTriple kSing{"唱歌", "唱歌", "Sing"};
inline constexpr TextTriple kDance{"热舞", "熱舞", "Dance"};
inline constexpr TextTriple kWifiSet{"Wifi设置", "Wifi設置", "Wifi Set"};
inline constexpr TextTriple kTip{"提示!", "提示!", "Tip!"};
inline constexpr TextTriple kExitQuestion{"是否退出程序!", "是否退出程序!", "Whether to exit the program!"};
inline constexpr TextTriple kAutoModeLocked{"自动模式不可调节!", "自動模式不可調節!", "Automatic mode is adjusted!"};
inline constexpr TextTriple kClipboardEmpty{"没有复制内容!", "沒有復制內容!", "No duplicate content!"};

inline constexpr std::array<const TextTriple*, 27> kAll{
    &kSuccessful,
    &kSearch,
    &kSuspended,
    &kMain,
    &kCenter,
    &kSub,
    &kRear,
    &kMusic,
    &kMic,
    &kEcho,
    &kReverb,
    &kSystem,
    &kProgramRunning,
    &kMicA,
    &kMicB,
    &kEffect,
    &kEffectB,
    &kMusicInput,
    &kAuto,
    &kHand,
    &kSing,
    &kDance,
    &kWifiSet,
    &kTip,
    &kExitQuestion,
    &kAutoModeLocked,
    &kClipboardEmpty,
};

}  // namespace main_window

// The Input, Effect and Output pages.
namespace pages {

inline constexpr TextTriple kGainDb{"增益:\n(db)", "增益:\n(db)", "Gain:\n(db)"};
inline constexpr TextTriple kType{"类型:", "類型:", "Type:"};
inline constexpr TextTriple kFreqHz{"频率:\n(Hz)", "頻率:\n(Hz)", "Freq:\n(Hz)"};
inline constexpr TextTriple kQ{"Q值:", "Q值:", "Q/HL:"};
inline constexpr TextTriple kDirVol{"直达声音量:   %3d%%", "直達聲音量:   %3d%%", "Dir Vol:   %3d%%"};
inline constexpr TextTriple kEchoVol{"回声效果音量:  %3d%%", "回聲效果音量:  %3d%%", "Echo Vol:   %3d%%"};
inline constexpr TextTriple kReverbVol{"混响效果音量:   %3d%%", "混響效果音量:   %3d%%", "Reverb Vol:   %3d%%"};
inline constexpr TextTriple kHpfFreqHz{"高通:   %4dHz", "高通:   %4dHz", "HPF Freq:   %4dHz"};
inline constexpr TextTriple kHpfFreqTenthHz{"高通:   %4.1fHz", "高通:   %4.1fHz", "HPF Freq:   %4.1fHz"};
inline constexpr TextTriple kHpfFreqOff{"高通:   OFF", "高通:   OFF", "HPF Freq:   OFF"};
inline constexpr TextTriple kHpfSlope{"高通滤波器斜率:", "高通濾波器斜率:", "HPF Slope:"};
inline constexpr TextTriple kLpfFreqHz{"低通:   %3dHz", "低通:   %3dHz", "LPF Freq:   %3dHz"};
inline constexpr TextTriple kLpfFreqTenthHz{"低通:   %3.1fHz", "低通:   %3.1fHz", "LPF Freq:   %3.1fHz"};
inline constexpr TextTriple kLpfFreqOff{"低通:   OFF", "低通:   OFF", "LPF Freq:   OFF"};
inline constexpr TextTriple kLpfSlope{"低通滤波器斜率:", "低通濾波器斜率:", "LPF Slope:"};
inline constexpr TextTriple kEchoGroup{"回声", "回聲", "Echo "};
inline constexpr TextTriple kReverbGroup{"混响", "混響", "Reverb "};
inline constexpr TextTriple kLeftMute{"左声道静音", "左聲道靜音", "Left Mute"};
inline constexpr TextTriple kMute{"声道静音", "聲道靜音", "Mute"};
inline constexpr TextTriple kRightMute{"右声道静音", "右聲道靜音", "Right Mute"};
inline constexpr TextTriple kEchoPreDelayMs{"回声预延时:%7dms", "回聲預延時:%7dms", "Echo PreDelay:%4dms"};
inline constexpr TextTriple kEchoDelayTimeMs{"回声延时时间:%5dms", "回聲延時時間:%5dms", "Echo DelayTime:%3dms"};
inline constexpr TextTriple kEchoRepeatRatio{"回声重复比率:%5d%%", "回聲重複比率:%5d%%", "Echo RepeatRatio:%2d%%"};
inline constexpr TextTriple kEchoRPreDelay{"回声右通道预延时:%2d%%", "回声右通道預延時:%2d%%", "Echo RPreDelay:%3d%%"};
inline constexpr TextTriple kEchoRDelay{"回声右通道延时:%3d%%", "回声右通道延時:%3d%%", "Echo RDelay:%5d%%"};
inline constexpr TextTriple kReverbPreDelayMs{"混响预延时:%6dms", "混響預延時:%6dms", "Reverb PreDelay:%dms"};
inline constexpr TextTriple kReverbTimeMs{"混响时间:%8dms", "混響時間:%8dms", "Reverb Time:%5dms"};
inline constexpr TextTriple kMusicVol{"音乐音量:   %3d%%", "音樂音量:   %3d%%", "Music Vol:   %3d%%"};
inline constexpr TextTriple kAutoVolumeOut{"自动音量输出:   %3d%%", "自動音量輸出:   %3d%%", "Reverb Vol:   %3d%%"};
inline constexpr TextTriple kThresholdDBu{"启动电平:   %3ddBu", "啟動電平:   %3ddBu", "Threshold:   %3ddBu"};
inline constexpr TextTriple kAttackMs{"启动时间:   %3.1fms", "啟動時間:   %3.1fms", "Attack:   %3.1fms"};
inline constexpr TextTriple kReleaseMs{"释放时间:   Atkx%2dms", "釋放時間:   Atkx%2dms", "Release:   Atkx%2dms"};
inline constexpr TextTriple kRatio{"压限比例:   %2.1f", "壓限比例:   %2.1f", "Ratio:   %2.1f"};
inline constexpr TextTriple kHpfQ{"高通Q值:   %3.1f", "高通Q值:   %3.1f", "HPF Q:   %3.1f"};
inline constexpr TextTriple kDeqGain{"DEQ 增益:   %3.1f", "DEQ 增益:   %3.1f", "DEQ Gain:   %3.1f"};
inline constexpr TextTriple kDeqQ{"DEQ Q值:   %3.1f", "DEQ Q值:   %3.1f", "DEQ Q:   %3.1f"};
inline constexpr TextTriple kDeqFreqHz{"DEQ 频率:   %3dHz", "DEQ 頻率:   %3dHz", "DEQ Freq:   %3dHz"};
inline constexpr TextTriple kDeqFreqTenthHz{"DEQ 频率:   %3.1fHz", "DEQ 頻率:   %3.1fHz", "DEQ Freq:   %3.1fHz"};
inline constexpr TextTriple kShiftFlat{"变调:   %db", "變調:   %db", "Shift:   %db"};
inline constexpr TextTriple kShiftZero{"变调:   0 ", "變調:   0 ", "Shift:   0 "};
inline constexpr TextTriple kShiftSharp{"变调:   %d#", "變調:   %d#", "Shift:   %d#"};
inline constexpr TextTriple kLpfQ{"低通Q值:   %3.1f", "低通Q值:   %3.1f", "LPF Q:   %3.1f"};
inline constexpr TextTriple kLeftDelayMs{"左声道延时:   %3.0fms", "左聲道延時:   %3.0fms", "Left-Delay:   %3.0fms"};
inline constexpr TextTriple kLeftDelayTenthMs{"左声道延时:   %3.1fms", "左聲道延時:   %3.1fms", "Left-Delay:   %3.1fms"};
inline constexpr TextTriple kDelayMs{"延时:   %3.0fms", "延時:   %3.0fms", "Delay:   %3.0fms"};
inline constexpr TextTriple kDelayTenthMs{"延时:   %3.1fms", "延時:   %3.1fms", "Delay:   %3.1fms"};
inline constexpr TextTriple kDeqDelayMs{"DEQ 延时:   %3.1fms", "DEQ 延時:   %3.1fms", "DEQ Delay:   %3.1fms"};
inline constexpr TextTriple kDelayDistanceM{"延时距离:   %0.2fM", "延時距離:   %0.2fM", "Delay distance:  %0.2fM"};
inline constexpr TextTriple kRightDelayMs{"右声道延时:   %3.0fms", "右聲道延時:   %3.0fms", "Right-Delay:  %3.0fms"};
inline constexpr TextTriple kRightDelayTenthMs{"右声道延时:   %3.1fms", "右聲道延時:   %3.1fms", "Right-Delay:   %3.1fms"};
inline constexpr TextTriple kDeqThresholdDb{"DEQ 阀值:   %ddb", "DEQ 閥值:   %ddb", "DEQ Threshold:   %ddb"};
inline constexpr TextTriple kDeqOpen{"DEQ 开启", "DEQ 開啟", "DEQ Open"};
inline constexpr TextTriple kDeqClose{"DEQ 关闭", "DEQ 關閉", "DEQ Close"};
inline constexpr TextTriple kDeqPhase0{"DEQ 正相", "DEQ 正相", "DEQ 0`"};
inline constexpr TextTriple kDeqPhase180{"DEQ 反相", "DEQ 反相", "DEQ 180`"};
inline constexpr TextTriple kMicFbe{" MIC_FBE:", " MIC_FBE:", " MIC_FBE:"};
inline constexpr TextTriple kMica{"MICA", "MICA", "MICA"};
inline constexpr TextTriple kMicb{"MICB", "MICB", "MICB"};
inline constexpr TextTriple kMicAB{"MIC A+B", "MIC A+B", "MIC A+B"};
inline constexpr TextTriple kMicaDirVol{"麦克风A直达声:   %3d%%", "麥克風A直達聲:   %3d%%", "MICA Dir Vol:   %3d%%"};
inline constexpr TextTriple kMicaEchoVol{"麦克风A回声效果:  %3d%%", "麥克風A回聲效果:  %3d%%", "MICA Echo Vol:   %3d%%"};
inline constexpr TextTriple kMicaReverbVol{"麦克风A混响效果:   %3d%%", "麥克風A混響效果:   %3d%%", "MICA Reverb Vol:   %3d%%"};
inline constexpr TextTriple kMicDirVol{"麦克风直达声:   %3d%%", "麥克風直達聲:   %3d%%", "MIC Dir Vol:   %3d%%"};
inline constexpr TextTriple kMicEchoVol{"麦克风回声效果:  %3d%%", "麥克風回聲效果:  %3d%%", "MIC Echo Vol:   %3d%%"};
inline constexpr TextTriple kMicReverbVol{"麦克风混响效果:   %3d%%", "麥克風混響效果:   %3d%%", "MIC Reverb Vol:   %3d%%"};

inline constexpr std::array<const TextTriple*, 65> kAll{
    &kGainDb,
    &kType,
    &kFreqHz,
    &kQ,
    &kDirVol,
    &kEchoVol,
    &kReverbVol,
    &kHpfFreqHz,
    &kHpfFreqTenthHz,
    &kHpfFreqOff,
    &kHpfSlope,
    &kLpfFreqHz,
    &kLpfFreqTenthHz,
    &kLpfFreqOff,
    &kLpfSlope,
    &kEchoGroup,
    &kReverbGroup,
    &kLeftMute,
    &kMute,
    &kRightMute,
    &kEchoPreDelayMs,
    &kEchoDelayTimeMs,
    &kEchoRepeatRatio,
    &kEchoRPreDelay,
    &kEchoRDelay,
    &kReverbPreDelayMs,
    &kReverbTimeMs,
    &kMusicVol,
    &kAutoVolumeOut,
    &kThresholdDBu,
    &kAttackMs,
    &kReleaseMs,
    &kRatio,
    &kHpfQ,
    &kDeqGain,
    &kDeqQ,
    &kDeqFreqHz,
    &kDeqFreqTenthHz,
    &kShiftFlat,
    &kShiftZero,
    &kShiftSharp,
    &kLpfQ,
    &kLeftDelayMs,
    &kLeftDelayTenthMs,
    &kDelayMs,
    &kDelayTenthMs,
    &kDeqDelayMs,
    &kDelayDistanceM,
    &kRightDelayMs,
    &kRightDelayTenthMs,
    &kDeqThresholdDb,
    &kDeqOpen,
    &kDeqClose,
    &kDeqPhase0,
    &kDeqPhase180,
    &kMicFbe,
    &kMica,
    &kMicb,
    &kMicAB,
    &kMicaDirVol,
    &kMicaEchoVol,
    &kMicaReverbVol,
    &kMicDirVol,
    &kMicEchoVol,
    &kMicReverbVol,
};

}  // namespace pages

// The System page.
namespace system_page {

inline constexpr TextTriple kNoiseGate{"噪声门:", "噪聲門:", "Noise Gate:"};
inline constexpr TextTriple kThreshold{"噪声门阀值: %3.0f", "噪聲門閥值: %3.0f", "Threshold:  %3.0f"};
inline constexpr TextTriple kNoiseTimeMs{"噪声门时间: %3.0fms", "噪聲門時間: %3.0fms", "Noise Time:  %3.0fms"};
inline constexpr TextTriple kKeyPw{"键盘密码:", "鍵盤密碼:", "Key PW:"};
inline constexpr TextTriple kNewPw{"修改密码:", "修改密碼:", "New PW:"};
inline constexpr TextTriple kOk{"确定", "確定", "OK"};
inline constexpr TextTriple kChange{"修改", "修改", "Change"};
inline constexpr TextTriple kSysPassWord{"系统密码:", "系統密碼:", "Sys PassWord:"};
inline constexpr TextTriple kNum{"模式:", "模式:", "Num:"};
inline constexpr TextTriple kName{"名称:", "名稱:", "Name:"};
inline constexpr TextTriple kLanguage{"Language:", "Language:", "Language:"};
inline constexpr TextTriple kOldPw{"旧密码:", "舊密碼:", "Old PW:"};
inline constexpr TextTriple kConfirmPw{"确认新密码:", "確定新密碼:", "Confirm PW:"};
inline constexpr TextTriple kReset{"重置", "重置", "Reset"};
inline constexpr TextTriple kLocalModeName{"电脑存储模式名称:", "電腦存儲模式名稱:", "Local Mode Name:"};
inline constexpr TextTriple kSaveModeLocal{"保存模式至电脑", "保存模式至電腦", "Save Mode Local"};
inline constexpr TextTriple kDelInLocal{"删除电脑保存的模式", "刪除電腦保存的模式", "Del In Local"};
inline constexpr TextTriple kUpdateToEquip{"上传模式至设备", "上傳模式至設備", "Update To Equip"};
inline constexpr TextTriple kExternalDataImport{"外部数据导入", "外部數據導入", "External data import"};
inline constexpr TextTriple kMusicStart{"音乐起始音量:%30.0f%%", "音樂起始音量:%30.0f%%", "Music Start: %30.0f%%"};
inline constexpr TextTriple kMusicMax{"音乐最大音量:%30.0f%%", "音量最大音量:%30.0f%%", "Music Max:   %30.0f%%"};
inline constexpr TextTriple kMicAStart{"话筒A起始音量:%30.0f%%", "話筒A起始音量:%30.0f%%", "MicA Start:   %30.0f%%"};
inline constexpr TextTriple kMicAMax{"话筒A最大音量:%30.0f%%", "話筒A最大音量:%30.0f%%", "MicA Max:     %30.0f%%"};
inline constexpr TextTriple kMicBStart{"话筒B起始音量:%30.0f%%", "話筒B起始音量:%30.0f%%", "MicB Start:   %30.0f%%"};
inline constexpr TextTriple kMicBMax{"话筒B最大音量:%30.0f%%", "話筒B最大音量:%30.0f%%", "MicB Max:     %30.0f%%"};
inline constexpr TextTriple kEffectStart{"效果起始音量:%30.0f%%", "效果起始音量:%30.0f%%", "Effect Start:%30.0f%%"};
inline constexpr TextTriple kEffectMax{"效果最大音量:%30.0f%%", "效果最大音量:%30.0f%%", "Effect Max:  %30.0f%%"};
inline constexpr TextTriple kEnable{"开启", "開啟", "Enable"};
inline constexpr TextTriple kDisable{"禁用", "禁用", "Disable"};
inline constexpr TextTriple kUse{"调用模式", "調用模式", "Use"};
inline constexpr TextTriple kSave{"保存模式", "保存模式", "Save"};
inline constexpr TextTriple kUser{"用户", "用戶", "User"};
inline constexpr TextTriple kAdmin{"管理员", "管理員", "Admin"};
inline constexpr TextTriple kEnterNewPw{"输入新密码:", "輸入新密碼:", "New PW:"};
inline constexpr TextTriple kWarning{"警告!", "警告!", "Warning!"};
inline constexpr TextTriple kEnterFileName{"请输入文件名!", "請輸入文件名!", "Please enter the file name!"};
inline constexpr TextTriple kFileExistsOverwrite{"文件已存在!\n 是否覆盖!", "文件已存在!\n 是否覆蓋!", "File already exists!\n Whether or not covered!"};
inline constexpr TextTriple kDeleteFailedNoFiles{"删除失败!\n无文件.", "刪除失敗!\n無文件.", "Delete failed.\n no files!"};
inline constexpr TextTriple kNoFiles{"无文件.", "無文件.", "No files."};
inline constexpr TextTriple kNewNamePrefix{"新", "新", "New_T("};
inline constexpr TextTriple kPasswordSixDigits{"密码只能为六位数!", "密碼只能為六位數!", "Password only for six figures!"};
inline constexpr TextTriple kPasswordFourDigits{"密码只能为四位数!", "密碼只能為四位數!", "Password only for four figures!"};
inline constexpr TextTriple kWrongPassword{"密码错误!", "密碼錯誤!", "Wrong password!"};
inline constexpr TextTriple kPasswordIsChanged{"密码修改成功!", "密碼修改成功!", "Password is changed!"};
inline constexpr TextTriple kNoPermission{"用户没有权限操作!", "用戶沒有權限操作!", "Users do not have permission to operate!"};
inline constexpr TextTriple kNewPasswordsDiffer{"新密码不一致!", "新密碼不一致!", "The new passwords don't match!"};
inline constexpr TextTriple kNoDevice{"没有连接设备!", "沒有連接設備!", "No Device!"};
inline constexpr TextTriple kNameNotSupported{"输入不支持名称。", "輸入不支持名稱。", "Type in the name does not support."};

inline constexpr std::array<const TextTriple*, 48> kAll{
    &kNoiseGate,
    &kThreshold,
    &kNoiseTimeMs,
    &kKeyPw,
    &kNewPw,
    &kOk,
    &kChange,
    &kSysPassWord,
    &kNum,
    &kName,
    &kLanguage,
    &kOldPw,
    &kConfirmPw,
    &kReset,
    &kLocalModeName,
    &kSaveModeLocal,
    &kDelInLocal,
    &kUpdateToEquip,
    &kExternalDataImport,
    &kMusicStart,
    &kMusicMax,
    &kMicAStart,
    &kMicAMax,
    &kMicBStart,
    &kMicBMax,
    &kEffectStart,
    &kEffectMax,
    &kEnable,
    &kDisable,
    &kUse,
    &kSave,
    &kUser,
    &kAdmin,
    &kEnterNewPw,
    &kWarning,
    &kEnterFileName,
    &kFileExistsOverwrite,
    &kDeleteFailedNoFiles,
    &kNoFiles,
    &kNewNamePrefix,
    &kPasswordSixDigits,
    &kPasswordFourDigits,
    &kWrongPassword,
    &kPasswordIsChanged,
    &kNoPermission,
    &kNewPasswordsDiffer,
    &kNoDevice,
    &kNameNotSupported,
};

}  // namespace system_page

// The link, the progress window and the data files.
namespace link_files {

inline constexpr TextTriple kEncryptedMode{"加密模式无法读取!", "加密模式無法讀取!", "Unable to read encrypted mode!"};
inline constexpr TextTriple kUpdateSceneData{"更新场景参数:%5.0f %%", "更新場景參數:%5.0f %%", "Update Scene Data:%5.0f %%"};
inline constexpr TextTriple kUpdateDisplayData{"更新界面显示内容:%5.0f %%", "更新界面顯示內容:%5.0f %%", "Update Display Data:%5.0f %%"};
inline constexpr TextTriple kSaveSuccessfully{"保存成功!", "保存成功!", "Save successfully!"};
inline constexpr TextTriple kWriteDataFailed{"写数据失败!", "寫數據失败!", "Write Data Failed!"};
inline constexpr TextTriple kReadDataFailed{"读数据失败!", "讀數據失败!", "Read Data Failed!"};
inline constexpr TextTriple kSaveFailed{"保存失败!", "保存失败!", "Save Failed!"};
inline constexpr TextTriple kRecallFailed{"调用模式失败!", "調用模式失敗!", "Invocation pattern of failure!"};
inline constexpr TextTriple kNoFiles{"无文件。", "無文件。", "No files。"};
inline constexpr TextTriple kDataHasPassword{"数据有密码。", "數據有密碼。", "The data has a password ."};
inline constexpr TextTriple kWrongFileVersion{"文件版本不对。", "文件版本不對。", "Wrong file version。"};
inline constexpr TextTriple kEquipmentWrong{"设备型号不对!", "設備型號不對!", "Equipment model is wrong!"};
inline constexpr TextTriple kReadDeviceData{"读取设备参数:%5.0f %%", "讀取設備參數:%5.0f %%", "Read Device Data:%5.0f %%"};
inline constexpr TextTriple kCall{"调用模式", "調用模式", "Call"};

inline constexpr std::array<const TextTriple*, 14> kAll{
    &kEncryptedMode,
    &kUpdateSceneData,
    &kUpdateDisplayData,
    &kSaveSuccessfully,
    &kWriteDataFailed,
    &kReadDataFailed,
    &kSaveFailed,
    &kRecallFailed,
    &kNoFiles,
    &kDataHasPassword,
    &kWrongFileVersion,
    &kEquipmentWrong,
    &kReadDeviceData,
    &kCall,
};

}  // namespace link_files

// The WiFi settings dialog.
namespace wifi_settings {

inline constexpr TextTriple kSsidEmpty{"SSID不能为空!", "SSID不能為空!", "SSID can't be empty!"};
inline constexpr TextTriple kResetToConnectRouter{"复位后才能会连接路由,\r\n请检查路由SSID和密码是否正确.", "復位后才能会連接路由,\r\n請檢查路由SSID和密碼是否正確.", "Reset to connect the routing,\r\n Please check routing SSID and password are correct."};
inline constexpr TextTriple kRestartToApply{"修改成功,重启软件才能生效!", "修改成功,重啟軟件才能生效!", "Modify success, restart the software to work!"};
inline constexpr TextTriple kPasswordTooShort{"密码不能小于8位!", "密碼不能小於8位!", "Password cannot be less than eight!"};

inline constexpr std::array<const TextTriple*, 4> kAll{
    &kSsidEmpty,
    &kResetToConnectRouter,
    &kRestartToApply,
    &kPasswordTooShort,
};

}  // namespace wifi_settings

// The online application update.
namespace app_update {

inline constexpr TextTriple kUpdateQuestion{"软件有更新,是否更新!", "軟件有更新,是否更新!", "Software update,Whether to update!"};
inline constexpr TextTriple kOnlineUpdate{"在线下载进度:%5.0f %%", "在線下載進度:%5.0f %%", "Onling_Update:%5.0f %%"};

inline constexpr std::array<const TextTriple*, 2> kAll{
    &kUpdateQuestion,
    &kOnlineUpdate,
};

}  // namespace app_update

}  // namespace velto::texts
// clang-format on
