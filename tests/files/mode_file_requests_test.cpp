// Requests 1 and 11 against the simulated processor: saving the device to a mode file,
// uploading a mode, importing external data, and every refusal.  The link runs on a quarter
// time scale; each wait is a generous liveness deadline, not a timing assertion.

#include <gtest/gtest.h>

#include <set>

#include "app/core/language.h"
#include "app/core/link_text_table.h"
#include "app/core/text_vocabulary.h"
#include "app/core/zb_file_data.h"
#include "link/link_engine.h"
#include "sim/processor.h"
#include "sim/sim_transport.h"
#include "system/core/mode_file_requests.h"
#include "tests/files/temp_places.h"
#include "tests/support/link_recorders.h"

namespace velto::test {
namespace {

constexpr double kTimeScale = 0.25;
constexpr uint8_t kWriteParams = 3;

std::string English(const TextTriple& text) {
    return std::string(text.english);
}

class ModeFileRequestsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        SetLanguageIndex(kEnglish);
        // Values of the device that differ from the default image.
        for (int slot = 24; slot < 900; ++slot)
            if (slot != kCurrentModeSlot) device.SetValue(slot, (slot * 37 + 11) & 0x7FFF);
    }
    void TearDown() override {
        if (link) link->StopLink();
        SetLanguageIndex(savedLanguage_);
    }

    void StartReady() {
        LinkPorts ports;
        ports.transportFor = [this](int) -> Transport* { return &wire; };
        ports.notifier = &notifier;
        ports.progress = &progress;
        ports.messages = &messages;
        ports.texts = &texts;
        ports.fileRequests = &requests;
        link = std::make_unique<LinkEngine>(ports, kTimeScale);
        link->StartLink();
        link->Table().SetLinkStarted(true);
        ASSERT_TRUE(WaitFor([&] { return notifier.Count(kNoticeRefreshedAfter) >= 1; }));
        ASSERT_TRUE(WaitFor([&] { return link->Codec().NameReceived(16); }));
        std::this_thread::sleep_for(
            std::chrono::milliseconds(400));  // the 1 s pause before the cycle
        device.ClearReceived();
    }

    // Values for a file: every slot different from the device's, slot 0 the identity.
    std::vector<int32_t> FileValues() const {
        std::vector<int32_t> values(kSlotCount);
        for (int slot = 0; slot < kSlotCount; ++slot)
            values[slot] = (device.Value(slot) + 1000 + slot) & 0xFFFF;
        values[0] = kIdentityCode;
        return values;
    }
    void SaveFile(const std::string& name, const std::vector<int32_t>& values) {
        ASSERT_EQ(CZB_FileData(places.Places()).SaveValues(name, values), kFileOk);
    }
    void WriteEncoded(const std::string& name, const std::vector<int32_t>& values, int32_t identity,
                      uint8_t passwordMark = 0) {
        std::vector<uint16_t> low(values.begin(), values.end());
        std::mt19937 random(1);
        const auto bytes = EncodeModeFile(low, identity, {}, random, passwordMark);
        TempPlaces::Write(places.Current() / name, std::string(bytes.begin(), bytes.end()));
    }

    // Slots the device was asked to write, leaving out the keep-alive slot.
    std::set<int> WrittenSlots() const {
        std::set<int> slots;
        for (const sim::ReceivedFrame& frame : device.ReceivedWith(kWriteParams))
            for (size_t i = 0; i + 4 <= frame.payload.size(); i += 4) {
                const int slot = frame.payload[i] << 8 | frame.payload[i + 1];
                if (slot != kKeepAliveSlot) slots.insert(slot);
            }
        return slots;
    }
    static std::set<int> Range(int first, int last) {
        std::set<int> slots;
        for (int slot = first; slot <= last; ++slot)
            slots.insert(slot);
        return slots;
    }
    bool DeviceHolds(const std::vector<int32_t>& values, int first, int last) const {
        for (int slot = std::max(first, 1); slot <= last; ++slot)
            if (device.Value(slot) != values[slot]) return false;
        return true;
    }
    bool Shown(const std::string& text) const {
        return WaitFor([&] { return messages.Count(text) > 0; });
    }
    // Lets a few steady cycles pass, so a wrongly raised follow-up request would have run.
    void LetCyclesRun() const { std::this_thread::sleep_for(std::chrono::milliseconds(500)); }

    TempPlaces places;
    sim::Processor device;
    sim::SimTransport wire{device};
    RecordingNotifier notifier;
    RecordingProgress progress;
    RecordingMessages messages;
    LinkTextTable texts;
    ModeFileRequests requests{places.Places()};
    std::unique_ptr<LinkEngine> link;

  private:
    int savedLanguage_ = LanguageIndex();
};

TEST_F(ModeFileRequestsTest, SaveToFileStoresEveryValueOfAFreshRead) {
    StartReady();
    device.SetValue(300, 4321);  // changed after connecting: only a fresh read sees it
    ASSERT_TRUE(requests.RequestSaveToFile(link->State(), "saved"));
    const std::string path = (places.Current() / "saved.qvd").string();
    ASSERT_TRUE(Shown(path));
    const auto shown = messages.Shown();
    EXPECT_EQ(shown.back().caption, "Save successfully!");

    CZB_FileData file(places.Places());
    ASSERT_EQ(file.LoadValues("saved.qvd"), kFileOk);
    ASSERT_EQ(file.Values().size(), static_cast<size_t>(kSlotCount));
    EXPECT_EQ(file.Values()[300], 4321);
    for (int slot = 0; slot < kSlotCount; ++slot) {
        if (slot == kPresetControlSlot || slot == kKeepAliveSlot) continue;
        EXPECT_EQ(file.Values()[slot], device.Value(slot) & 0xFFFF) << slot;
    }
}

TEST_F(ModeFileRequestsTest, SaveOfAnEncryptedModeFails) {
    device.SetEncryptedModes(0xFFFFFFFF);
    StartReady();
    ASSERT_TRUE(link->Codec().Encrypted());
    requests.RequestSaveToFile(link->State(), "locked");
    ASSERT_TRUE(Shown("Save Failed!"));
    EXPECT_GE(messages.Count("Unable to read encrypted mode!"), 1);
    EXPECT_FALSE(std::filesystem::exists(places.Current() / "locked.qvd"));
}

TEST_F(ModeFileRequestsTest, UploadWritesExactlyTheModeSlots) {
    StartReady();
    const auto values = FileValues();
    SaveFile("mode.qvd", values);
    const int refreshed = notifier.Count(kNoticeRefreshed);
    ASSERT_TRUE(requests.RequestUpload(link->State(), "mode"));
    ASSERT_TRUE(WaitFor([&] { return notifier.Count(kNoticeRefreshed) >= refreshed + 2; }));

    EXPECT_EQ(WrittenSlots(), Range(0, 725));
    EXPECT_TRUE(DeviceHolds(values, 0, 725));
    for (int slot = 726; slot < kSlotCount; ++slot) {
        if (slot == kKeepAliveSlot) continue;
        EXPECT_NE(device.Value(slot), values[slot]) << slot;
    }
    EXPECT_EQ(device.StoreDataCount(), 0);
    EXPECT_TRUE(messages.Shown().empty());
    // The uploaded slots were handed to the main window.
    EXPECT_GE(notifier.Count(kNoticeSlotReceived, 725), 1);
    const auto calls = progress.Calls();
    EXPECT_NE(std::find(calls.begin(), calls.end(), "caption Update Scene Data:%5.0f %%"),
              calls.end());
}

TEST_F(ModeFileRequestsTest, ImportWritesExactlyItsBlockThenStoresIt) {
    StartReady();
    const auto values = FileValues();
    SaveFile("data.PCE", values);
    ASSERT_TRUE(requests.RequestImport(link->State(), (places.Current() / "data").string()));
    ASSERT_TRUE(Shown("Save successfully!"));

    EXPECT_EQ(WrittenSlots(), Range(726, 894));
    EXPECT_TRUE(DeviceHolds(values, 726, 894));
    EXPECT_EQ(device.StoreDataCount(), 1);
    // StoreData came after the last write of the import.
    const auto frames = device.Received();
    size_t lastWrite = 0, storeData = 0;
    for (size_t i = 0; i < frames.size(); ++i) {
        if (frames[i].command == kWriteParams && frames[i].payload.size() >= 2 &&
            (frames[i].payload[0] << 8 | frames[i].payload[1]) != kKeepAliveSlot)
            lastWrite = i;
        if (frames[i].command == 33) storeData = i;
    }
    EXPECT_GT(storeData, lastWrite);
}

struct Refusal {
    const char* name;
    int32_t identity;
    uint8_t passwordMark;
    int count;  // values in the file
    const TextTriple* message;
};

class RefusedImportTest : public ModeFileRequestsTest,
                          public ::testing::WithParamInterface<Refusal> {};

TEST_P(RefusedImportTest, StopsBeforeWritingOrStoring) {
    StartReady();
    auto values = FileValues();
    values.resize(GetParam().count);
    if (GetParam().count > 0)
        WriteEncoded("data.PCE", values, GetParam().identity, GetParam().passwordMark);
    requests.RequestImport(link->State(), (places.Current() / "data.PCE").string());
    ASSERT_TRUE(Shown(English(*GetParam().message)));
    LetCyclesRun();
    EXPECT_TRUE(WrittenSlots().empty());
    EXPECT_EQ(device.StoreDataCount(), 0);
    EXPECT_EQ(messages.Count("Save successfully!"), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Files, RefusedImportTest,
    ::testing::Values(
        Refusal{"AnotherModel", 20006, 0, kSlotCount, &texts::link_files::kWrongFileVersion},
        Refusal{"TooFewValues", kIdentityCode, 0, 894, &texts::link_files::kWrongFileVersion},
        Refusal{"Locked", kIdentityCode, 1, kSlotCount, &texts::link_files::kDataHasPassword},
        Refusal{"Missing", kIdentityCode, 0, 0, &texts::link_files::kNoFiles}),
    [](const auto& test) { return std::string(test.param.name); });

TEST_F(ModeFileRequestsTest, RefusalAlsoCancelsAStoreDataRaisedAlongside) {
    StartReady();
    WriteEncoded("data.PCE", FileValues(), 20006);
    // Both cells set at once: the upload runs first in the cycle and cancels the store.
    link->State().SetFilePath((places.Current() / "data.PCE").string());
    link->State().Raise(kRequestStoreData);
    link->State().Raise(kRequestUploadFile);
    ASSERT_TRUE(Shown("Wrong file version\u3002"));
    LetCyclesRun();
    EXPECT_EQ(device.StoreDataCount(), 0);
}

TEST_F(ModeFileRequestsTest, CorruptFileIsRefusedAsMissing) {
    StartReady();
    SaveFile("mode.qvd", FileValues());
    std::string bytes = TempPlaces::Read(places.Current() / "mode.qvd");
    bytes[1000] = bytes[1000] == bytes[20] ? bytes[21] : bytes[20];
    TempPlaces::Write(places.Current() / "mode.qvd", bytes);
    requests.RequestUpload(link->State(), "mode.qvd");
    ASSERT_TRUE(Shown("No files\u3002"));
    LetCyclesRun();
    EXPECT_TRUE(WrittenSlots().empty());
}

TEST_F(ModeFileRequestsTest, EmptyNamesRaiseNothingAndAnEmptyPathAsksForOne) {
    StartReady();
    EXPECT_FALSE(requests.RequestUpload(link->State(), ""));
    EXPECT_FALSE(requests.RequestImport(link->State(), ""));
    EXPECT_FALSE(requests.RequestSaveToFile(link->State(), ""));
    EXPECT_FALSE(link->State().IsRaised(kRequestUploadFile));
    link->State().SetFilePath("");
    link->State().Raise(kRequestUploadFile);
    ASSERT_TRUE(Shown("Please enter the file name!"));
    link->State().Raise(kRequestSaveToFile);
    ASSERT_TRUE(WaitFor([&] { return messages.Count("Please enter the file name!") == 2; }));
}

TEST_F(ModeFileRequestsTest, LinkLostDuringAnImportShowsWriteFailedAndStoresNothing) {
    StartReady();
    SaveFile("data.PCE", FileValues());
    wire.SetOptions({.latencyMs = 5, .chunkBytes = 0});
    requests.RequestImport(link->State(), (places.Current() / "data.PCE").string());
    ASSERT_TRUE(WaitFor([&] { return WrittenSlots().size() >= 48; }));
    wire.SetPlugged(false);
    ASSERT_TRUE(Shown("Write Data Failed!"));
    EXPECT_LT(WrittenSlots().size(), 169u);
    LetCyclesRun();
    EXPECT_EQ(device.StoreDataCount(), 0);
    EXPECT_EQ(messages.Count("Save successfully!"), 0);
}

}  // namespace
}  // namespace velto::test
