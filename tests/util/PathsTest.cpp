#include "util/Paths.h"

#include <cerrno>
#include <filesystem>
#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "TestFiles.h"
#include "util/ProgramFolder.h"

namespace korvan {
namespace {

namespace fs = std::filesystem;
using Env = std::optional<std::string>;
const Env Unset = std::nullopt;

TEST(DecideFileLocations, LayoutAndEnvironmentGiveTheTwoFolders)
{
    struct TRow
    {
        const char* What;
        const char* Executable;
        bool DataPresent;
        Env Xdg;
        Env Home;
        const char* Account;
        bool Installed;
        const char* Shipped;
        const char* User;
    };
    const TRow rows[] = {
        {"build folder", "/src/build/korvan/korvan", false, Unset, "/home/ann", "", false,
         "/src/build/korvan/", "/src/build/korvan/"},
        {"portable copy in a bin folder", "/opt/k/bin/korvan", false, Unset, "/home/ann", "", false,
         "/opt/k/bin/", "/opt/k/bin/"},
        {"installed, defaults", "/usr/bin/korvan", true, Unset, "/home/ann", "", true,
         "/usr/share/korvan/", "/home/ann/.local/share/korvan/"},
        {"installed under /usr/local", "/usr/local/bin/korvan-lesson", true, Unset, "/home/ann/",
         "", true, "/usr/local/share/korvan/", "/home/ann/.local/share/korvan/"},
        {"XDG_DATA_HOME", "/usr/bin/korvan", true, "/data/ann/", "/home/ann", "", true,
         "/usr/share/korvan/", "/data/ann/korvan/"},
        {"relative XDG_DATA_HOME is ignored", "/usr/bin/korvan", true, "data", "/home/ann", "",
         true, "/usr/share/korvan/", "/home/ann/.local/share/korvan/"},
        {"empty XDG_DATA_HOME is ignored", "/usr/bin/korvan", true, "", "/home/ann", "", true,
         "/usr/share/korvan/", "/home/ann/.local/share/korvan/"},
        {"no HOME: the account's home", "/usr/bin/korvan", true, Unset, Unset, "/home/ann", true,
         "/usr/share/korvan/", "/home/ann/.local/share/korvan/"},
        {"relative HOME, no account", "/usr/bin/korvan", true, Unset, "ann", "", true,
         "/usr/share/korvan/", "/.local/share/korvan/"},
        {"portable ignores XDG_DATA_HOME", "/media/stick/korvan/korvan", false, "/data/ann", Unset,
         "", false, "/media/stick/korvan/", "/media/stick/korvan/"},
    };
    for (const TRow& row : rows) {
        const TFileLocations got =
            DecideFileLocations({row.Executable, row.DataPresent, row.Xdg, row.Home, row.Account});
        EXPECT_EQ(got.Installed, row.Installed) << row.What;
        EXPECT_EQ(got.Shipped, row.Shipped) << row.What;
        EXPECT_EQ(got.User, row.User) << row.What;
    }
    EXPECT_EQ(InstalledDataFolder("/src/build/korvan/korvan"), "");
}

TEST(ChooseWriteFolder, NeverProposesTheShippedFolderOfAnInstall)
{
    const TFileLocations installed{true, "/usr/share/korvan/", "/home/ann/.local/share/korvan/"};
    const TFileLocations portable{false, "/opt/korvan/", "/opt/korvan/"};
    const std::string own = "/home/ann/.local/share/korvan/lessons/Уроки собственной разработки/";
    // Root may write a bundled lesson's folder: still not proposed.
    EXPECT_EQ(ChooseWriteFolder(installed, "/usr/share/korvan/lessons/words", true), own);
    EXPECT_EQ(ChooseWriteFolder(installed, "/usr/share/korvanx", true), "/usr/share/korvanx/");
    EXPECT_EQ(ChooseWriteFolder(installed, "/home/ann/lessons/", true), "/home/ann/lessons/");
    EXPECT_EQ(ChooseWriteFolder(installed, "/srv/ro/", false), own);
    EXPECT_EQ(ChooseWriteFolder(portable, "/opt/korvan/lessons/words/", true),
              "/opt/korvan/lessons/words/");
    EXPECT_EQ(ChooseWriteFolder(portable, "/cdrom/lessons/", false),
              "/opt/korvan/lessons/Уроки собственной разработки/");
    EXPECT_TRUE(IsInsideFolder("/usr/share/korvan", "/usr/share/korvan/"));
    EXPECT_TRUE(IsInsideFolder("/usr/share/x/../korvan/a", "/usr/share/korvan"));
}

class UserFolder : public ::testing::Test
{
protected:
    ~UserFolder() override { SetFileLocations(Before); }
    const TFileLocations Before = FileLocations();
    test::TTempDir Dir;
};

TEST_F(UserFolder, InstalledIsCreatedAndAdaptableFilesPreferTheUsersCopy)
{
    fs::create_directories(Dir.File("share"));
    Dir.Write("share/Time.ini", "shipped");
    Dir.Write("share/Modes.ini", "shipped");
    SetFileLocations({true, Dir.File("share"), Dir.File("home/.local/share/korvan")});
    EXPECT_EQ(PrepareUserFolder(), std::nullopt);
    EXPECT_TRUE(fs::is_directory(UserLessonsFolder()));
    Dir.Write("home/.local/share/korvan/Time.ini", "own");
    EXPECT_EQ(AdaptableFile("Time.ini"), Dir.File("home/.local/share/korvan/Time.ini"));
    EXPECT_EQ(AdaptableFile("Modes.ini"), Dir.File("share/Modes.ini"));
    EXPECT_EQ(ProgramFile("Modes.ini"), Dir.File("share/Modes.ini"));
}

TEST_F(UserFolder, AFolderThatCannotBeMadeIsNamedWithItsReason)
{
    Dir.Write("home", "a file where the home folder should be");
    const std::string user = Dir.File("home/.local/share/korvan/");
    SetFileLocations({true, Dir.Path(), user});
    const std::optional<TFolderProblem> problem = PrepareUserFolder();
    ASSERT_TRUE(problem.has_value());
    EXPECT_EQ(problem->Folder, user);
    EXPECT_EQ(problem->Error, ENOTDIR);
    EXPECT_EQ(FolderErrorText(problem->Error), "на месте папки находится файл");
}

} // namespace
} // namespace korvan
