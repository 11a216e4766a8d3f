// Folder creation and the engine's data folder, on a scratch folder of the real file system.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "app/AppDataFolder.h"

namespace fs = std::filesystem;

namespace {

class ScratchFolder : public ::testing::Test {
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/tessvane-app-XXXXXX";
        root_ = mkdtemp(pattern);
    }
    void TearDown() override { fs::remove_all(root_); }

    std::wstring Path(const std::string& relative) const { return (root_ / relative).wstring(); }

    fs::path root_;
};

struct CreateCase {
    const char* name;
    const char* existing_file;  // a file standing in the way, or null
    const char* path;           // relative to the scratch folder
    bool result;
    const char* created[3];     // folders that must exist afterwards
    const char* absent;         // a folder that must not have been tried
};

const CreateCase kCreateCases[] = {
    {"NestedChainFromOutermost", nullptr, "a/b/c", true, {"a", "a/b", "a/b/c"}, nullptr},
    {"TrailingSeparator", nullptr, "x/y/", true, {"x", "x/y", nullptr}, nullptr},
    {"AlreadyThere", nullptr, "", true, {nullptr, nullptr, nullptr}, nullptr},
    {"FileInTheWayStopsAtOnce", "a", "a/b/c", false, {nullptr, nullptr, nullptr}, "a/b"},
    {"FileAtTheEnd", "a", "a", true, {nullptr, nullptr, nullptr}, nullptr},
};

class CreateDirectoriesTable : public ScratchFolder, public ::testing::WithParamInterface<CreateCase> {};

TEST_P(CreateDirectoriesTable, CreatesEveryMissingFolderOrStops)
{
    const CreateCase& c = GetParam();
    if (c.existing_file)
        std::ofstream(root_ / c.existing_file) << "in the way";

    EXPECT_EQ(c.result, CreateDirectories(Path(c.path).c_str()));
    for (const char* folder : c.created) {
        if (folder) {
            EXPECT_TRUE(fs::is_directory(root_ / folder)) << folder;
        }
    }
    if (c.absent) {
        EXPECT_FALSE(fs::exists(root_ / c.absent)) << c.absent;
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, CreateDirectoriesTable, ::testing::ValuesIn(kCreateCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CreateDirectories, RejectsNullAndEmptyPaths)
{
    EXPECT_FALSE(CreateDirectories(nullptr));
    EXPECT_FALSE(CreateDirectories(L""));
}

TEST(CreateDirectories, RelativePathWithoutSeparatorIsCreatedDirectly)
{
    char pattern[] = "/tmp/tessvane-rel-XXXXXX";
    const fs::path root = mkdtemp(pattern);
    const fs::path previous = fs::current_path();
    fs::current_path(root);
    EXPECT_TRUE(CreateDirectories(L"single"));
    EXPECT_TRUE(fs::is_directory(root / "single"));
    fs::current_path(previous);
    fs::remove_all(root);
}

// The data folder is computed once per process, so one test covers its whole life.
TEST_F(ScratchFolder, AppDataFolderIsTheConfigFolderWithOneSeparatorAndIsCreated)
{
    const std::string home = getenv("HOME") ? getenv("HOME") : "";
    unsetenv("HOME");
    unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(L"", GetAppDataFolder()) << "no folder known: the engine keeps its default";
    setenv("HOME", home.c_str(), 1);

    const fs::path config = root_ / "deep" / "config";
    setenv("XDG_CONFIG_HOME", (config.string() + "/").c_str(), 1);

    const std::wstring folder = GetAppDataFolder();
    EXPECT_EQ(config.wstring() + L"/", folder);
    EXPECT_TRUE(fs::is_directory(config));

    setenv("XDG_CONFIG_HOME", (root_ / "elsewhere").c_str(), 1);
    EXPECT_EQ(folder, GetAppDataFolder()) << "kept for the life of the process";
}

}  // namespace
