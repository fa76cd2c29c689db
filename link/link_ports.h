#pragma once
// What the link needs from the rest of the program.  The user interface implements these
// later; tests implement them with recorders.

#include <string>

namespace velto {

// Message 1025 (WM_USER + 1): the link's notifications to the main window.
inline constexpr int kLinkMessage = 1025;
enum LinkNotice : int {
    kNoticeSlotReceived = 0,
    kNoticeRefreshed = 1,
    kNoticeRefreshedAfter = 2,
    kNoticeFullReadDone = 3,
    kNoticeLinkState = 4,
    kNoticeProgressHidden = 8,
    kNoticeSeveralDevices = 10,
};
enum LinkStateCode : int { kStateConnected = 0, kStateSearching = 1, kStateStarting = 3 };

class LinkNotifier {
  public:
    virtual ~LinkNotifier() = default;
    // Queued delivery; returns at once.
    virtual void Post(int code, int lparam) = 0;
    // Synchronous delivery: returns once the main window has handled it.
    virtual void Send(int code, int lparam) = 0;
    virtual void SetTitle(const std::string& title) = 0;
};

class ProgressWindow {
  public:
    virtual ~ProgressWindow() = default;
    virtual void Show() = 0;
    virtual void Hide() = 0;
    virtual void SetMaximum(int maximum) = 0;
    virtual void SetPosition(int position) = 0;
    // A printf format that receives the percentage as a double, e.g. "Read Device Data:%5.0f %%".
    virtual void SetCaption(const std::string& format) = 0;
};

enum MessageBoxButtons : int { kButtonsOk = 0, kButtonsOkCancel = 1, kButtonsYesNo = 4 };
enum MessageBoxResult : int { kResultOk = 1, kResultCancel = 2, kResultYes = 6, kResultNo = 7 };

class MessageBoxPort {
  public:
    virtual ~MessageBoxPort() = default;
    // Blocks until the user closes the box.  An empty caption means the main window's title.
    // languageId is 2052, 1028 or 1033 and decides the buttons' language.
    virtual int Show(const std::string& text, const std::string& caption, int buttons,
                     int languageId) = 0;
};

class SettingsReader {
  public:
    virtual ~SettingsReader() = default;
    // The integer under key in the group's settings file, or -1 when missing.
    virtual int ReadSettingInt(const std::string& group, const std::string& key) = 0;
};

}  // namespace velto
