#include "cli/cli_commands.h"

#include <set>
#include <string>
#include <vector>

#include "cli/dump_json.h"
#include "cli/exit_codes.h"
#include "cli/file_commands.h"
#include "cli/wifi_commands.h"

namespace velto::cli {
namespace {

constexpr int kIdentifyMs = 10000;
constexpr int kWriteConfirmMs = 5000;
// Longer than a steady cycle: the preset-name replies of the start-up have all arrived.
constexpr int kSettleMs = 400;
constexpr int kRequestMs = 30000;
constexpr int kRecallOperation = 0x0600;
constexpr int kSavedOperation = 0x0700;

// The table after a full read, unless the current mode hides its values.
int ReadReadable(CliSession& session) {
    if (const int code = session.ReadAll(); code != kExitOk) return code;
    // The first read of a connection learns only at its end that the mode is encrypted.
    if (!session.Shown(LinkText::EncryptedMode) && !session.Link().Codec().Encrypted())
        return kExitOk;
    session.Fail("the current mode is encrypted; its settings cannot be read");
    return kExitFailed;
}

int Identify(CliSession& session, std::ostream& out) {
    if (const int code = session.Connect(); code != kExitOk) return code;
    FrameCodec& codec = session.Link().Codec();
    const int code = session.Await([&] { return codec.IdentityCode() == kIdentityCode; },
                                   kIdentifyMs, kExitFailed, "the device did not identify itself");
    if (code == kExitOk) out << "identity " << codec.IdentityCode() << '\n';
    return code;
}

int Get(const CliOptions& options, CliSession& session, std::ostream& out) {
    if (const int code = ReadReadable(session); code != kExitOk) return code;
    for (const int slot : options.slots)
        out << slot << ' ' << session.Link().Table().Value(slot) << '\n';
    return kExitOk;
}

int Set(const CliOptions& options, CliSession& session) {
    if (const int code = session.ReadAll(); code != kExitOk) return code;
    ParamTable& table = session.Link().Table();
    table.SetLinkStarted(true);
    for (const SlotValue& item : options.assignments)
        table.SetParam(item.slot, item.value);
    // A matching echo clears the slot's write-pending flag and its retry counter.  A slot
    // whose echoes keep differing is resent until its counter reaches the limit and is then
    // given up, which leaves the same clear flags: the counter on the way tells them apart.
    std::set<int> givenUp;
    auto settled = [&] {
        bool all = true;
        for (const SlotValue& item : options.assignments) {
            if (table.Retry(item.slot) >= kRetryLimit) givenUp.insert(item.slot);
            all = all && !table.WritePending(item.slot) && table.Retry(item.slot) == 0;
        }
        return all;
    };
    const int code = session.Await(settled, kWriteConfirmMs, kExitFailed,
                                   "the device did not confirm every write");
    if (code != kExitOk) return code;
    std::string wrong;
    for (const SlotValue& item : options.assignments)
        if (givenUp.count(item.slot) || table.Value(item.slot) != item.value)
            wrong += " " + std::to_string(item.slot);
    if (wrong.empty()) return kExitOk;
    session.Fail("the device echoed other values for slot" + wrong);
    return kExitFailed;
}

int Dump(const CliOptions& options, CliSession& session, std::ostream& out) {
    if (const int code = ReadReadable(session); code != kExitOk) return code;
    const ParamTable& table = session.Link().Table();
    if (!options.json) {
        for (int slot = 0; slot < kSlotCount; ++slot)
            out << slot << ' ' << table.Value(slot) << '\n';
        return kExitOk;
    }
    if (const int code = session.AwaitPresetNames(); code != kExitOk) return code;
    std::vector<int32_t> slots;
    for (int slot = 0; slot < kSlotCount; ++slot)
        slots.push_back(table.Value(slot));
    std::vector<std::string> names;
    for (int n = 1; n <= kPresetCount; ++n)
        names.push_back(session.Link().Codec().PresetNameUtf8(n));
    out << DumpJson(slots, names) << '\n';
    return kExitOk;
}

int Presets(CliSession& session, std::ostream& out) {
    if (const int code = session.ReadAll(); code != kExitOk) return code;
    if (const int code = session.AwaitPresetNames(); code != kExitOk) return code;
    for (int n = 1; n <= kPresetCount; ++n)
        out << n << ' ' << session.Link().Codec().PresetNameUtf8(n) << '\n';
    return kExitOk;
}

int Recall(const CliOptions& options, CliSession& session) {
    if (const int code = session.ReadAll(); code != kExitOk) return code;
    LinkEngine& link = session.Link();
    const int before = session.Refreshes();
    link.Table().SetLinkStarted(true);
    link.Table().SetParam(kPresetControlSlot, options.preset | kRecallOperation);
    link.State().Raise(kRequestRecallPreset);
    // A recall ends with two refresh notices: the reload's own and the request's.
    const int code = session.Await(
        [&] { return session.Refreshes() >= before + 2 || session.Shown(LinkText::RecallFailed); },
        kRequestMs, kExitFailed, "the recall was not confirmed");
    if (code != kExitOk) return code;
    return session.Shown(LinkText::RecallFailed) ? kExitFailed : kExitOk;
}

int SavePreset(const CliOptions& options, CliSession& session) {
    if (const int code = session.ReadAll(); code != kExitOk) return code;
    // Every name reply rewrites slot 914 and the name buffer: let the start-up ones finish.
    if (const int code = session.AwaitPresetNames(); code != kExitOk) return code;
    LinkEngine& link = session.Link();
    link.Clock().SleepMs(kSettleMs);
    link.Table().Slots()[kPresetControlSlot].value.store(options.preset | kSavedOperation);
    PresetName name{};
    for (size_t i = 0; i < name.size(); ++i)
        name[i] = i < options.presetName.size()
                      ? static_cast<char16_t>(static_cast<unsigned char>(options.presetName[i]))
                      : u' ';
    link.Codec().SetNameScratch(name);
    link.State().Raise(kRequestSavePreset);
    const int code = session.Await(
        [&] {
            return session.Shown(LinkText::SaveSuccessfully) || session.Shown(LinkText::SaveFailed);
        },
        kRequestMs, kExitFailed, "the save was not confirmed");
    if (code != kExitOk) return code;
    return session.Shown(LinkText::SaveSuccessfully) ? kExitOk : kExitFailed;
}

}  // namespace

int RunCommand(const CliOptions& options, CliSession& session, std::ostream& out) {
    switch (options.command) {
        case CommandKind::Identify:
            return Identify(session, out);
        case CommandKind::Get:
            return Get(options, session, out);
        case CommandKind::Set:
            return Set(options, session);
        case CommandKind::Dump:
            return Dump(options, session, out);
        case CommandKind::Presets:
            return Presets(session, out);
        case CommandKind::Recall:
            return Recall(options, session);
        case CommandKind::SavePreset:
            return SavePreset(options, session);
        case CommandKind::WifiGet:
            return WifiGet(session, out);
        case CommandKind::WifiSet:
            return WifiSet(options, session);
        case CommandKind::SaveMode:
            return SaveMode(options, session, out);
        case CommandKind::Upload:
        case CommandKind::Import:
            return UploadFile(options, session);
        case CommandKind::ModeInfo:  // needs no session: RunCli runs it
        case CommandKind::Help:
            break;
    }
    return kExitUsage;
}

}  // namespace velto::cli
