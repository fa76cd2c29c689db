#pragma once
// Link requests 1 and 11: a fresh full read of the device saved to a mode file, and the slots
// of a mode file (or of an external data import) written back to the device.  The user
// interface picks the file and the slot list and raises the request; the link thread runs it.

#include <mutex>
#include <string>

#include "app/core/text_triple.h"
#include "app/core/zb_file_data.h"
#include "link/link_engine.h"

namespace velto {

// An inclusive range of slots.
struct SlotRange {
    int first;
    int last;
};
// A mode upload writes the pages' slots; an external data import writes its own block.
inline constexpr SlotRange kModeUploadSlots{0, 725};
inline constexpr SlotRange kImportSlots{726, 894};

class ModeFileRequests final : public LinkFileRequests {
  public:
    explicit ModeFileRequests(FilePlaces places = {}) : places_(std::move(places)) {}

    // --- user-interface side: false (and nothing raised) for an empty name --------------
    // Request 1 into name (".qvd" appended when missing).
    bool RequestSaveToFile(LinkState& state, std::string name);
    // Request 11 with slots 0..725 from name (".qvd" appended when missing).
    bool RequestUpload(LinkState& state, std::string name);
    // Request 11 with slots 726..894 from path (".PCE" appended when missing).  Once those are
    // written the link thread raises request 15 itself, so the device stores the data only
    // after a complete import, and never after a refused one.
    bool RequestImport(LinkState& state, std::string path);

    // --- link thread -----------------------------------------------------------------------
    void SaveDeviceToFile(LinkEngine& link) override;
    void UploadFileToDevice(LinkEngine& link) override;

  private:
    struct Upload {
        SlotRange slots;
        bool storeAfter;  // an import: ask the device to store once written
    };
    void Raise(LinkState& state, std::string path, Upload upload);
    Upload PendingUpload() const;
    // Loads and checks the file; shows the refusal and returns false when it cannot be used.
    bool LoadForUpload(LinkEngine& link, CZB_FileData& file, SlotRange slots);
    void WriteWalks(LinkEngine& link);
    static void Show(LinkEngine& link, const TextTriple& text);

    FilePlaces places_;
    mutable std::mutex mutex_;
    Upload upload_{kModeUploadSlots, false};
};

}  // namespace velto
