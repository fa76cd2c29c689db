// The local mode list and the file-name rules of the System page's file operations.

#include <gtest/gtest.h>

#include "system/core/local_mode_list.h"
#include "tests/files/temp_places.h"

namespace velto::test {
namespace {

TEST(LocalModesTest, CurrentDirectoryFirstThenFallbackEachInNameOrder) {
    TempPlaces places;
    for (const char* name : {"b.qvd", "a.qvd", "C.QVD", "notes.txt", "x.qvd.bak"})
        TempPlaces::Write(places.Current() / name, "x");
    std::filesystem::create_directory(places.Current() / "dir.qvd");
    EXPECT_EQ(ListLocalModes(places.Places()),
              (std::vector<std::string>{"C.qvd", "a.qvd", "b.qvd"}));

    places.MakeFallback();
    TempPlaces::Write(places.FallbackDir() / "0.qvd", "x");
    EXPECT_EQ(ListLocalModes(places.Places()),
              (std::vector<std::string>{"C.qvd", "a.qvd", "b.qvd", "0.qvd"}));
}

TEST(LocalModesTest, ExtensionIsAppendedUnlessTheNameContainsIt) {
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"mode", ".qvd", "mode.qvd"},
        {"mode.qvd", ".qvd", "mode.qvd"},
        {"a.qvd.old", ".qvd", "a.qvd.old"},
        {"mode.QVD", ".qvd", "mode.QVD.qvd"},
        {"/data/import", ".PCE", "/data/import.PCE"},
        {"/data/import.PCE", ".PCE", "/data/import.PCE"},
    };
    for (const auto& [name, extension, expected] : cases)
        EXPECT_EQ(WithExtension(name, extension), expected);
}

}  // namespace
}  // namespace velto::test
