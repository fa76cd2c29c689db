#include "link/link_engine.h"

#include <system_error>
#include <utility>
#include <vector>

namespace velto {
namespace {

constexpr int kIdentifyWaitMs = 500;
constexpr int kAcknowledgeWaitMs = 2000;
constexpr int kLastHandshakeAttempt = 10;  // one more failed attempt reports the wrong model
constexpr int kWriteBatchItems = 24;
constexpr int kFullReadTries = 3;
constexpr int kBulkReadItems = 32;
constexpr int kBulkEnough = 913;
constexpr uint8_t kZero = 0;

}  // namespace

LinkEngine::LinkEngine(LinkPorts ports, double timeScale)
    : ports_(std::move(ports)),
      clock_(timeScale),
      codec_(table_, state_, clock_),
      context_(table_, state_, codec_, clock_, *ports_.notifier) {
    static const EnglishLinkTexts english;
    if (!ports_.texts) ports_.texts = &english;
}

LinkEngine::~LinkEngine() {
    StopLink();
}

bool LinkEngine::TransportConnected() const {
    Transport* t = transport_.load(std::memory_order_acquire);
    return t && t->IsConnected();
}

void LinkEngine::StartLink() {
    clock_.Resume();
    state_.running.store(true, std::memory_order_release);
    table_.LoadDefaultImage();
    if (ports_.wifiRequests) ports_.wifiRequests->ClearRequests();
    codec_.ReleaseWaiter();
    codec_.WaitForReply(0, true);  // start with the reply semaphore at 0
    {
        std::lock_guard lock(doneMutex_);
        threadDone_ = false;
    }
    try {
        thread_ = std::thread([this] {
            LinkThread();
            std::lock_guard lock(doneMutex_);
            threadDone_ = true;
            doneCv_.notify_all();
        });
    } catch (const std::system_error&) {
        {
            std::lock_guard lock(doneMutex_);
            threadDone_ = true;
        }
        ShowMessage(Text(LinkText::ThreadFailed));
    }
}

bool LinkEngine::StopLink() {
    state_.linkUp.store(false, std::memory_order_release);
    state_.running.store(false, std::memory_order_release);
    clock_.Interrupt();
    if (Transport* t = transport_.load(std::memory_order_acquire)) t->Close();
    if (!thread_.joinable()) return true;
    codec_.ReleaseWaiter();
    std::unique_lock lock(doneMutex_);
    const bool ended =
        doneCv_.wait_for(lock, std::chrono::milliseconds(2000), [this] { return threadDone_; });
    lock.unlock();
    // Only a thread held by an open message box can still run after 2 s; it is left to finish
    // on its own while the program exits.
    if (ended) {
        thread_.join();
    } else {
        thread_.detach();
    }
    return ended;
}

void LinkEngine::ReadLinkSettings() {
    if (!ports_.settings) return;
    const int kind = ports_.settings->ReadSettingInt("WIFI_Mode", "m_COM_MdoeIO");
    state_.linkKind.store(kind < 0 ? kLinkUsb : kind);
    const int baud = ports_.settings->ReadSettingInt("WIFI_Mode", "m_COM_m_BoTeLV");
    if (baud > 0) state_.baudRate.store(baud);
}

void LinkEngine::LinkThread() {
    if (Running()) ports_.notifier->Send(kNoticeLinkState, kStateStarting);
    state_.running.store(true, std::memory_order_release);
    clock_.SleepMs(500);
    state_.linkKind.store(kLinkUsb);
    ReadLinkSettings();
    const int kind = state_.linkKind.load();
    ports_.notifier->SetTitle(std::string("Velto") + LinkTitleSuffix(kind));
    if (Running()) ports_.notifier->Send(kNoticeLinkState, kStateStarting);

    Transport* transport = ports_.transportFor(kind);
    transport_.store(transport, std::memory_order_release);
    codec_.SetTransport(transport);
    if (!transport) return;

    while (Running()) {
        state_.timingKind.store(kind);
        state_.lastValidFrameMs.store(clock_.NowMs(), std::memory_order_release);
        transport->ConnectLoop(context_);
        if (!Running()) return;
        state_.linkUp.store(true, std::memory_order_release);
        if (RunHandshake(*transport) == Handshake::Reconnect) continue;
        if (!Running()) return;
        RunConnectedSequence();
        const LinkTiming timing = state_.Timing();
        if (context_.LinkUp() && state_.missCounter.load() < timing.missLimit) RunSteadyCycle();
        // Link lost.
        state_.linkUp.store(false, std::memory_order_release);
        if (Running()) ports_.notifier->Send(kNoticeLinkState, kStateSearching);
    }
}

LinkEngine::Handshake LinkEngine::RunHandshake(Transport& transport) {
    const uint8_t identify = 0;
    for (int attempt = 0;; ++attempt) {
        codec_.SendAndWait(Command::Identify, std::span(&identify, 1), kIdentifyWaitMs,
                           transport.IsConnected());
        codec_.ReadSlot(kIdentitySlot);
        if (table_.Value(kIdentitySlot) == kIdentityCode) {
            codec_.SetIdentityCode(kIdentityCode);
            return Handshake::Connected;
        }
        clock_.SleepMs(40);
        if (attempt > kLastHandshakeAttempt) {
            ShowMessage(Text(LinkText::EquipmentWrong));
            clock_.SleepMs(2000);
            return Handshake::Reconnect;
        }
        if (codec_.IdentityCode() == kIdentityCode) return Handshake::Connected;
        if (state_.missCounter.load() >= state_.Timing().missLimit - 2 || !transport.IsConnected())
            return Handshake::Reconnect;
        if (!context_.LinkUp()) return Handshake::Connected;
    }
}

void LinkEngine::SendKeepAlive() {
    ParamSlot& s = table_.Slots()[kKeepAliveSlot];
    if (s.StepRetry()) s.writePending.store(0, std::memory_order_release);
    const uint8_t item[4] = {kKeepAliveSlot >> 8, kKeepAliveSlot & 0xFF, 0, 1};
    codec_.SendFrame(Command::WriteParams, item);
}

void LinkEngine::RunConnectedSequence() {
    SendKeepAlive();
    clock_.SleepMs(10);
    // Changes still waiting from before a lost link or a pause survive the re-read: they are
    // put back over the device's values and written by the steady cycle.  On the first
    // connection the device's state wins over the default image.
    std::vector<std::pair<int, int32_t>> unwritten;
    if (everConnected_) {
        for (int slot = 1; slot < kSlotCount; ++slot)
            if (table_.Slots()[slot].IsWritePending())
                unwritten.emplace_back(slot, table_.Value(slot));
    }
    everConnected_ = true;
    table_.ClearReceivedAndPending();
    RefreshAll();
    for (auto [slot, value] : unwritten) {
        table_.StoreAndMarkPending(slot, value);
        ports_.notifier->Post(kNoticeSlotReceived, slot);
    }
    ReadPresetNames(table_.Value(kCurrentModeSlot) & 0xFF);
    clock_.SleepMs(1000);
    if (ports_.wifiRequests) ports_.wifiRequests->ResetCursor();
    cycleWriteCursor_ = 0;
}

void LinkEngine::RunSteadyCycle() {
    idleCounter_ = 0;
    while (state_.missCounter.load() < state_.Timing().missLimit && context_.LinkUp()) {
        clock_.SleepMs(10);
        while (state_.paused.load(std::memory_order_acquire) && Running())
            clock_.SleepMs(10);
        if (state_.linkKind.load() != kLinkNetwork && ports_.wifiRequests &&
            ports_.wifiRequests->Run(*this))
            idleCounter_ = 0;
        WritePass();
        NotificationPass();
        if (RunRequests()) idleCounter_ = 0;
        const int before = idleCounter_++;
        if (before < 15) {
            clock_.SleepMs(idleCounter_ < 10 ? 50 : 100);
        } else {
            SendKeepAlive();
            clock_.SleepMs(50);
            idleCounter_ = 10;
            clock_.SleepMs(100);
        }
    }
}

void LinkEngine::WritePass() {
    if (cycleWriteCursor_ >= kSlotCount) cycleWriteCursor_ = 0;
    int slot = cycleWriteCursor_;
    while (slot < kSlotCount && !table_.Slots()[slot].IsWritePending())
        ++slot;
    cycleWriteCursor_ = slot;
    if (slot >= kSlotCount) return;
    codec_.SetWaiting(true);
    codec_.WriteBatch(slot, kWriteBatchItems);
    const bool replied =
        codec_.WaitForReply(state_.Timing().cycleReplyWaitMs, TransportConnected());
    codec_.SetWaiting(false);
    if (!replied && !TransportConnected()) LinkLostNotice();
    idleCounter_ = 0;
}

void LinkEngine::NotificationPass() {
    for (int slot = 1; slot < kSlotCount; ++slot) {
        ParamSlot& s = table_.Slots()[slot];
        if (!s.IsReceived()) continue;
        s.received.store(0, std::memory_order_release);
        ports_.notifier->Post(kNoticeSlotReceived, slot);
    }
}

bool LinkEngine::RunRequests() {
    bool ran = false;
    for (int k = 1; k <= kRequestCount; ++k) {
        if (!state_.IsRaised(k)) continue;
        clock_.SleepMs(100);
        state_.Clear(k);
        RunRequest(k);
        ran = true;
        if (Running()) HideProgress();
    }
    return ran;
}

void LinkEngine::RunRequest(int request) {
    switch (request) {
        case kRequestSaveToFile:
            if (ports_.fileRequests) ports_.fileRequests->SaveDeviceToFile(*this);
            break;
        case kRequestRecallPreset:
            RecallPreset();
            break;
        case kRequestReload:
            Reload();
            break;
        case kRequestUploadFile:
            if (ports_.fileRequests) ports_.fileRequests->UploadFileToDevice(*this);
            break;
        case kRequestPresetName:
            RequestPresetName();
            break;
        case kRequestSavePreset:
            SavePreset();
            break;
        case kRequestStoreData:
            StoreData();
            break;
        default:
            break;
    }
}

bool LinkEngine::SendUntilAcknowledged(Command command, std::span<const uint8_t> payload,
                                       AckCell cell, int sleepBeforeWaitMs) {
    for (int attempt = 0; attempt < 3; ++attempt) {
        codec_.SetWaiting(true);
        codec_.SendFrame(command, payload);
        clock_.SleepMs(sleepBeforeWaitMs);
        codec_.WaitForReply(kAcknowledgeWaitMs, TransportConnected());
        codec_.SetWaiting(false);
        if (codec_.Acknowledged(cell)) return true;
    }
    return false;
}

void LinkEngine::RecallPreset() {
    ParamSlot& control = table_.Slots()[kPresetControlSlot];
    control.value.store(control.Value() | 0x0600, std::memory_order_release);
    control.writePending.store(1, std::memory_order_release);
    codec_.ClearAck(AckCell::Recall);
    const uint8_t preset = static_cast<uint8_t>(control.Value() & 0xFF);
    if (!SendUntilAcknowledged(Command::Recall, std::span(&preset, 1), AckCell::Recall, 100)) {
        ShowMessage(Text(LinkText::RecallFailed));
        return;
    }
    control.value.store(0, std::memory_order_release);
    control.writePending.store(0, std::memory_order_release);
    if (Running()) ShowProgress(LinkText::Call, 100);
    clock_.SleepMs(200);
    RefreshAll();
    ports_.notifier->Post(kNoticeRefreshed, 0);
}

void LinkEngine::Reload() {
    if (Running()) ShowProgress(LinkText::Call, 100);
    RefreshAll();
    ports_.notifier->Post(kNoticeRefreshed, 0);
}

void LinkEngine::RequestPresetName() {
    codec_.ClearAck(AckCell::PresetName);
    clock_.SleepMs(10);
    if (codec_.Acknowledged(AckCell::PresetName)) return;
    const uint8_t preset = static_cast<uint8_t>(table_.Value(kPresetControlSlot) & 0xFF);
    SendUntilAcknowledged(Command::PresetName, std::span(&preset, 1), AckCell::PresetName);
}

void LinkEngine::SavePreset() {
    uint8_t payload[21];
    payload[0] = static_cast<uint8_t>(table_.Value(kPresetControlSlot) & 0xFF);
    const PresetName name = codec_.NameScratch();
    for (int i = 0; i < 20; ++i)
        payload[i + 1] = static_cast<uint8_t>(name[i] & 0xFF);
    codec_.ClearAck(AckCell::SavePreset);
    if (SendUntilAcknowledged(Command::SavePreset, payload, AckCell::SavePreset)) {
        ReadPresetNames(0);
        ShowMessage(Text(LinkText::SaveSuccessfully));
    } else {
        ShowMessage(Text(LinkText::SaveFailed));
    }
    table_.Slots()[kPresetControlSlot].writePending.store(0, std::memory_order_release);
}

void LinkEngine::StoreData() {
    const uint8_t payload[2] = {1, 1};
    codec_.ClearAck(AckCell::StoreData);
    const bool stored = SendUntilAcknowledged(Command::StoreData, payload, AckCell::StoreData);
    ShowMessage(Text(stored ? LinkText::SaveSuccessfully : LinkText::SaveFailed));
}

bool LinkEngine::FullRead(int tries) {
    for (ParamSlot& s : table_.Slots()) {
        s.received.store(0, std::memory_order_release);
        s.retry.store(0, std::memory_order_relaxed);
    }
    codec_.SendAndWait(Command::Identify, std::span(&kZero, 1), kIdentifyWaitMs,
                       TransportConnected());
    if (codec_.Encrypted()) {
        ShowMessage(Text(LinkText::EncryptedMode));
        return true;
    }
    if (Running()) ShowProgress(LinkText::ReadDeviceData, kSlotCount);

    int best = 0;
    auto showIfBest = [&](int count) {
        if (count <= best) return;
        best = count;
        SetProgressPosition(count);
    };
    if (state_.linkKind.load() != kLinkNetwork) {
        for (int attempt = 0; attempt <= tries; ++attempt) {
            codec_.SendFrame(Command::DumpAll, std::span(&kZero, 1));
            clock_.SleepMs(500);
            if (table_.CountReceived() > 10) break;
            if (!TransportConnected()) return false;
        }
        for (int i = 0; i < 20; ++i) {
            const int count = table_.CountReceived();
            showIfBest(count);
            if (count >= kBulkEnough) break;
            clock_.SleepMs(150);
        }
    }

    const int bulkWait = state_.Timing().bulkReplyWaitMs;
    codec_.ResetReadCursor();
    best = 0;
    int count = 0;
    for (int pass = 0; pass < 5; ++pass) {
        count = 0;
        for (int slot = 0; slot < kSlotCount && context_.LinkUp(); ++slot) {
            if (table_.Slots()[slot].IsReceived()) {
                ++count;
                continue;
            }
            codec_.SetWaiting(true);
            codec_.ReadBatch(kContinueFromCursor, kBulkReadItems);
            showIfBest(count);
            codec_.WaitForReply(bulkWait, TransportConnected());
            codec_.SetWaiting(false);
        }
        showIfBest(count);
        if (!context_.LinkUp()) {
            if (Running()) HideProgress();
            ShowMessage(Text(LinkText::ReadDataFailed));
            return false;
        }
        clock_.SleepMs(30);
    }
    if (Running()) SetProgressPosition(count);
    if (!context_.LinkUp()) {
        if (Running()) HideProgress();
        ShowMessage(Text(LinkText::ReadDataFailed));
        return false;
    }
    clock_.SleepMs(10);
    if (Running()) HideProgress();
    return true;
}

void LinkEngine::RefreshAll() {
    if (!FullRead(kFullReadTries)) return;
    ports_.notifier->Post(kNoticeFullReadDone, 0);
    if (Running()) {
        HideProgress();
        SetProgressPosition(0);
        ports_.progress->SetCaption(Text(LinkText::UpdateDisplayData));
        ports_.progress->Show();
    }
    clock_.SleepMs(1);
    for (int slot = 0; slot < kSlotCount; ++slot) {
        ParamSlot& s = table_.Slots()[slot];
        if (s.IsReceived()) {
            s.received.store(0, std::memory_order_release);
            ports_.notifier->Post(kNoticeSlotReceived, slot);
        }
        if (slot % 18 == 1 && Running()) SetProgressPosition(slot);
    }
    ports_.notifier->Post(kNoticeRefreshed, 0);
    ports_.notifier->Post(kNoticeRefreshedAfter, 0);
    clock_.SleepMs(100);
    if (Running()) HideProgress();
}

void LinkEngine::ReadPresetNames(int current) {
    auto request = [&](int preset) {
        const uint8_t n = static_cast<uint8_t>(preset);
        codec_.SendFrame(Command::PresetName, std::span(&n, 1));
        clock_.SleepMs(20);
    };
    for (int n = 1; n <= kPresetCount; ++n) {
        codec_.ClearNameReceived(n);
        request(n);
    }
    for (int round = 0; round < 2; ++round)
        for (int n = 1; n <= kPresetCount; ++n)
            if (!codec_.NameReceived(n)) request(n);
    if (current != 0) request(current);
    codec_.ReadSlot(kCurrentModeSlot);
}

void LinkEngine::LinkLostNotice() {
    if (Running()) HideProgress();
    state_.linkUp.store(false, std::memory_order_release);
}

void LinkEngine::ShowProgress(LinkText caption, int maximum) {
    ports_.progress->SetMaximum(maximum);
    ports_.progress->SetPosition(0);
    std::string text = Text(caption);
    if (caption == LinkText::Call) text += "...";
    ports_.progress->SetCaption(text);
    ports_.progress->Show();
}

void LinkEngine::SetProgressPosition(int position) {
    ports_.progress->SetPosition(position);
}

void LinkEngine::HideProgress() {
    ports_.progress->Hide();
    ports_.notifier->Post(kNoticeProgressHidden, 0);
}

void LinkEngine::ShowMessage(const std::string& text, const std::string& caption) {
    ports_.messages->Show(text, caption, kButtonsOk,
                          MessageBoxLanguageId(ports_.texts->LanguageIndex()));
}

}  // namespace velto
