#include "cli/file_commands.h"

#include <fstream>
#include <iterator>
#include <vector>

#include "app/core/text_triple.h"
#include "app/core/text_vocabulary.h"
#include "app/core/zb_file_data.h"
#include "cli/exit_codes.h"
#include "system/core/local_mode_list.h"
#include "system/core/mode_file_codec.h"
#include "system/core/mode_file_info.h"

namespace velto::cli {
namespace {

namespace link_texts = texts::link_files;

// A full read with its save, or the write walks of an upload, with room for a slow link.
constexpr int kFileRequestMs = 120000;
constexpr int kStoreMs = 30000;

// Waits for the raised request to end; another exit code when the link fails first.
int AwaitFileRequest(CliSession& session, int finishedBefore) {
    return session.Await([&] { return session.Files().Finished() > finishedBefore; },
                         kFileRequestMs, kExitFailed, "the device did not finish the request");
}

bool ShownText(const CliSession& session, const TextTriple& text) {
    return session.Shown(std::string(CurrentText(text)));
}

}  // namespace

int SaveMode(const CliOptions& options, CliSession& session, std::ostream& out) {
    if (const int code = session.ReadAll(); code != kExitOk) return code;
    const int before = session.Files().Finished();
    session.Files().Requests().RequestSaveToFile(session.Link().State(), options.file);
    if (const int code = AwaitFileRequest(session, before); code != kExitOk) return code;
    if (!session.Captioned(LinkText::SaveSuccessfully)) {
        session.Fail("the device's data could not be saved to " + options.file);
        return kExitFailed;
    }
    out << CZB_FileData().FullPathOf(WithExtension(options.file, kModeFileExtension)) << '\n';
    return kExitOk;
}

int UploadFile(const CliOptions& options, CliSession& session) {
    if (const int code = session.ReadAll(); code != kExitOk) return code;
    const bool import = options.command == CommandKind::Import;
    ModeFileRequests& requests = session.Files().Requests();
    LinkState& state = session.Link().State();
    const int before = session.Files().Finished();
    if (import) {
        requests.RequestImport(state, options.file);
    } else {
        requests.RequestUpload(state, options.file);
    }
    if (const int code = AwaitFileRequest(session, before); code != kExitOk) return code;
    for (const TextTriple* refusal :
         {&link_texts::kNoFiles, &link_texts::kDataHasPassword, &link_texts::kWrongFileVersion}) {
        if (!ShownText(session, *refusal)) continue;
        session.Fail(options.file + " was refused; nothing was written to the device");
        return kExitFileRefused;
    }
    if (ShownText(session, link_texts::kWriteDataFailed)) {
        session.Fail("the link to the device was lost");
        return kExitLinkLost;
    }
    if (!import) return kExitOk;
    // The request that wrote the data has raised StoreData, which reports either way.
    const int code = session.Await(
        [&] {
            return session.Shown(LinkText::SaveSuccessfully) || session.Shown(LinkText::SaveFailed);
        },
        kStoreMs, kExitFailed, "the device did not report storing the data");
    if (code != kExitOk) return code;
    return session.Shown(LinkText::SaveSuccessfully) ? kExitOk : kExitFailed;
}

int ModeInfo(const CliOptions& options, std::ostream& out, std::ostream& err) {
    const std::string path = CZB_FileData().FullPathOf(options.file);
    std::ifstream in(path, std::ios::binary);
    if (path.empty() || !in) {
        err << "velto-cli: cannot read " << options.file << '\n';
        return kExitFileRefused;
    }
    const std::vector<uint8_t> stored{std::istreambuf_iterator<char>(in),
                                      std::istreambuf_iterator<char>()};
    out << DescribeModeFile(stored);
    const DecodedModeFile decoded = DecodeModeFile(stored);
    if (decoded.complete && decoded.crcHolds) return kExitOk;
    err << "velto-cli: " << options.file << " is not a sound mode file\n";
    return kExitFileRefused;
}

}  // namespace velto::cli
