#include "system/core/mode_file_requests.h"

#include <vector>

#include "app/core/text_vocabulary.h"
#include "system/core/local_mode_list.h"

namespace velto {
namespace {

namespace link_texts = texts::link_files;

constexpr int kFullReadTries = 3;
constexpr int kWriteBatchItems = 24;
constexpr int kUploadProgressMaximum = 923;
// The upload's walks cover slots 0..921 and end once all of them are written.
constexpr int kWalkedSlots = 922;

bool Running(LinkEngine& link) {
    return link.State().running.load(std::memory_order_acquire);
}

int WrittenSlots(const ParamTable& table) {
    int written = 0;
    for (int slot = 0; slot < kWalkedSlots; ++slot)
        if (!table.Slots()[slot].IsWritePending()) ++written;
    return written;
}

}  // namespace

void ModeFileRequests::Show(LinkEngine& link, const TextTriple& text) {
    link.ShowMessage(std::string(CurrentText(text)));
}

void ModeFileRequests::Raise(LinkState& state, std::string path, Upload upload) {
    {
        std::lock_guard lock(mutex_);
        upload_ = upload;
    }
    state.SetFilePath(std::move(path));
    state.Raise(kRequestUploadFile);
}

ModeFileRequests::Upload ModeFileRequests::PendingUpload() const {
    std::lock_guard lock(mutex_);
    return upload_;
}

bool ModeFileRequests::RequestSaveToFile(LinkState& state, std::string name) {
    if (name.empty()) return false;
    state.SetFilePath(WithExtension(std::move(name), kModeFileExtension));
    state.Raise(kRequestSaveToFile);
    return true;
}

bool ModeFileRequests::RequestUpload(LinkState& state, std::string name) {
    if (name.empty()) return false;
    Raise(state, WithExtension(std::move(name), kModeFileExtension), {kModeUploadSlots, false});
    return true;
}

bool ModeFileRequests::RequestImport(LinkState& state, std::string path) {
    if (path.empty()) return false;
    Raise(state, WithExtension(std::move(path), kExternalDataExtension), {kImportSlots, true});
    return true;
}

void ModeFileRequests::SaveDeviceToFile(LinkEngine& link) {
    const std::string path = link.State().FilePath();
    link.Clock().SleepMs(10);
    if (path.empty()) {
        link.ShowMessage(link.Text(LinkText::EnterFileName));
        return;
    }
    bool saved = false;
    CZB_FileData file(places_);
    if (link.FullRead(kFullReadTries) && !link.Codec().Encrypted()) {
        std::vector<int32_t> values(kSlotCount);
        for (int slot = 0; slot < kSlotCount; ++slot) {
            ParamSlot& s = link.Table().Slots()[slot];
            values[slot] = s.Value();
            s.received.store(0, std::memory_order_release);
        }
        const int result = file.SaveValues(path, values);
        saved = result == kFileOk || result == kFileExisted;
    }
    if (saved) {
        link.ShowMessage(file.FullPathOf(path), link.Text(LinkText::SaveSuccessfully));
    } else {
        link.ShowMessage(link.Text(LinkText::SaveFailed));
    }
    link.Clock().SleepMs(5);
}

bool ModeFileRequests::LoadForUpload(LinkEngine& link, CZB_FileData& file, SlotRange slots) {
    if (file.LoadValues(link.State().FilePath()) != kFileOk) {
        Show(link, link_texts::kNoFiles);
        return false;
    }
    if (file.Header().passwordMark == 1) {
        link.HideProgress();
        Show(link, link_texts::kDataHasPassword);
        return false;
    }
    // Another model's data, or a file too short to hold every listed slot, is not loaded.
    if (file.Header().identity != link.Codec().IdentityCode() ||
        static_cast<int>(file.Values().size()) <= slots.last) {
        Show(link, link_texts::kWrongFileVersion);
        return false;
    }
    return true;
}

void ModeFileRequests::WriteWalks(LinkEngine& link) {
    ParamTable& table = link.Table();
    FrameCodec& codec = link.Codec();
    const int wait = link.Timing().bulkReplyWaitMs;
    while (link.Context().LinkUp()) {
        for (int slot = 0; slot < kWalkedSlots && link.Context().LinkUp(); ++slot) {
            ParamSlot& s = table.Slots()[slot];
            if (s.IsReceived()) {
                s.received.store(0, std::memory_order_release);
                link.Context().notifier.Post(kNoticeSlotReceived, slot);
            }
            if (!s.IsWritePending()) continue;
            codec.SetWaiting(true);
            codec.WriteBatch(kContinueFromCursor, kWriteBatchItems);
            codec.WaitForReply(wait, link.TransportConnected());
            codec.SetWaiting(false);
            link.SetProgressPosition(WrittenSlots(table));
        }
        const int written = WrittenSlots(table);
        link.SetProgressPosition(written);
        link.Clock().SleepMs(1);
        if (written >= kWalkedSlots) break;
    }
}

void ModeFileRequests::UploadFileToDevice(LinkEngine& link) {
    const Upload upload = PendingUpload();
    link.Clock().SleepMs(10);
    if (link.State().FilePath().empty()) {
        link.ShowMessage(link.Text(LinkText::EnterFileName));
        return;
    }
    CZB_FileData file(places_);
    if (!LoadForUpload(link, file, upload.slots)) {
        // A refused import must not go on to store data, whoever raised that request.
        link.State().Clear(kRequestStoreData);
        return;
    }
    for (int slot = upload.slots.first; slot <= upload.slots.last; ++slot) {
        ParamSlot& s = link.Table().Slots()[slot];
        s.value.store(file.Values()[slot], std::memory_order_release);
        s.writePending.store(1, std::memory_order_release);
        s.received.store(1, std::memory_order_release);
    }
    if (Running(link)) link.ShowProgress(LinkText::UpdateSceneData, kUploadProgressMaximum);
    for (ParamSlot& s : link.Table().Slots())
        s.retry.store(0, std::memory_order_relaxed);

    WriteWalks(link);
    link.Clock().SleepMs(100);
    link.RefreshAll();

    link.HideProgress();
    if (!link.Context().LinkUp()) {
        Show(link, link_texts::kWriteDataFailed);
        link.State().Clear(kRequestStoreData);
    } else if (upload.storeAfter) {
        link.State().Raise(kRequestStoreData);
    }
    link.Context().notifier.Post(kNoticeRefreshed, 0);
}

}  // namespace velto
