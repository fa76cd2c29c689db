// velto-cli's mode-file commands as programs: files written, described and written back.

#include <gtest/gtest.h>

#include <fstream>
#include <random>

#include "cli/exit_codes.h"
#include "system/core/mode_file_codec.h"
#include "tests/transports/cli_programs.h"

namespace velto::cli {
namespace {

using test::ChildProcess;
using test::Cli;
using test::kSimLink;
using test::Lines;
using test::ScratchFile;
using test::SimProgram;

std::vector<uint8_t> ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteFile(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<long>(bytes.size()));
}

// A full file of values for the device of the given identity.
std::string WriteModeFile(const std::string& name, int32_t identity) {
    std::mt19937 random(7);
    const std::vector<uint16_t> values(923, 3);
    const std::string path = ScratchFile(name);
    WriteFile(path, EncodeModeFile(values, identity, {2024, 5, 6, 7, 8, 9}, random));
    return path;
}

TEST(CliFileProgramTest, SaveDescribeAndUploadAgainstTheSimulator) {
    const std::string name = ScratchFile("saved");
    ChildProcess save(Cli(kSimLink, {"save-mode", name}));
    ASSERT_EQ(save.Wait(), kExitOk) << save.Err();
    EXPECT_EQ(save.Out(), name + ".qvd\n");
    EXPECT_NE(save.Err().find("Save successfully!: " + name + ".qvd"), std::string::npos)
        << save.Err();

    ChildProcess info({VELTO_CLI_PROGRAM, "mode-info", name + ".qvd"});
    ASSERT_EQ(info.Wait(), kExitOk) << info.Err();
    const auto lines = Lines(info.Out());
    ASSERT_EQ(lines.size(), 6u) << info.Out();
    EXPECT_EQ(lines[0], "identity: 20005");
    EXPECT_EQ(lines[1], "values: 923");
    EXPECT_EQ(lines[4], "password: none");
    EXPECT_EQ(lines[5], "crc: holds");

    ChildProcess upload(Cli(kSimLink, {"upload", name}));
    EXPECT_EQ(upload.Wait(), kExitOk) << upload.Err();
    EXPECT_NE(upload.Err().find("Update Scene Data"), std::string::npos) << upload.Err();
}

TEST(CliFileProgramTest, UploadBringsBackTheSavedValues) {
    SimProgram sim;
    ASSERT_TRUE(sim.Ready()) << sim.Process().Err();
    const std::string name = ScratchFile("before.qvd");
    ChildProcess save(sim.SerialCli({"save-mode", name}));
    ASSERT_EQ(save.Wait(), kExitOk) << save.Err();
    ChildProcess original(sim.SerialCli({"get", "300", "800"}));
    ASSERT_EQ(original.Wait(), kExitOk) << original.Err();

    ChildProcess set(sim.SerialCli({"set", "300=4321", "800=4321"}));
    ASSERT_EQ(set.Wait(), kExitOk) << set.Err();
    ChildProcess upload(sim.SerialCli({"upload", name}));
    ASSERT_EQ(upload.Wait(), kExitOk) << upload.Err();

    // Slot 300 is a page slot and comes back; slot 800 lies in the import block and stays.
    ChildProcess after(sim.SerialCli({"get", "300", "800"}));
    ASSERT_EQ(after.Wait(), kExitOk) << after.Err();
    const auto before = Lines(original.Out());
    ASSERT_EQ(before.size(), 2u);
    EXPECT_EQ(Lines(after.Out()), (std::vector<std::string>{before[0], "800 4321"}));
}

TEST(CliFileProgramTest, ImportWritesTheBlockAndStoresIt) {
    const std::string path = WriteModeFile("block.PCE", 20005);
    ChildProcess cli(Cli(kSimLink, {"import", path}));
    EXPECT_EQ(cli.Wait(), kExitOk) << cli.Err();
    EXPECT_NE(cli.Err().find("device: Save successfully!"), std::string::npos) << cli.Err();
}

TEST(CliFileProgramTest, ImportOfAnotherModelsFileIsRefusedBeforeStoring) {
    const std::string path = WriteModeFile("other.PCE", 12345);
    ChildProcess cli(Cli(kSimLink, {"import", path}));
    EXPECT_EQ(cli.Wait(), kExitFileRefused) << cli.Err();
    EXPECT_NE(cli.Err().find("device: Wrong file version。"), std::string::npos) << cli.Err();
    // StoreData reports either way; neither report means it never ran.
    EXPECT_EQ(cli.Err().find("Save successfully!"), std::string::npos) << cli.Err();
    EXPECT_EQ(cli.Err().find("Save Failed!"), std::string::npos) << cli.Err();
    EXPECT_EQ(cli.Err().find("Update Scene Data"), std::string::npos) << "nothing written";
}

TEST(CliFileProgramTest, UploadOfAMissingFileIsRefused) {
    ChildProcess cli(Cli(kSimLink, {"upload", ScratchFile("never-written")}));
    EXPECT_EQ(cli.Wait(), kExitFileRefused) << cli.Err();
    EXPECT_NE(cli.Err().find("device: No files。"), std::string::npos) << cli.Err();
}

TEST(CliFileProgramTest, ModeInfoOfABrokenFileFails) {
    const std::string path = WriteModeFile("broken.qvd", 20005);
    std::vector<uint8_t> bytes = ReadFile(path);
    ASSERT_EQ(bytes.size(), ModeFileSize(923));
    bytes[1000] = bytes[1000] == bytes[20] ? bytes[21] : bytes[20];  // another valid symbol
    WriteFile(path, bytes);
    ChildProcess info({VELTO_CLI_PROGRAM, "mode-info", path});
    EXPECT_EQ(info.Wait(), kExitFileRefused) << info.Err();
    EXPECT_NE(info.Out().find("crc: mismatch"), std::string::npos) << info.Out();
    EXPECT_NE(info.Err().find("not a sound mode file"), std::string::npos) << info.Err();

    ChildProcess missing({VELTO_CLI_PROGRAM, "mode-info", ScratchFile("no-such.qvd")});
    EXPECT_EQ(missing.Wait(), kExitFileRefused) << missing.Err();
    EXPECT_NE(missing.Err().find("cannot read"), std::string::npos) << missing.Err();
}

}  // namespace
}  // namespace velto::cli
