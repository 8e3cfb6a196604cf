#include <gtest/gtest.h>

#include <filesystem>

#include "mainwin/user_folders.h"
#include "tests/fakes/fake_services.h"
#include "tests/support/temp_folder.h"

namespace topband {
namespace {

using testing::FakeUi;
using testing::FailingFiles;
using testing::TempFolder;

class UserFolders : public ::testing::Test {
protected:
    TempFolder home;
    FailingFiles files;  // the documents folder is a chosen path inside the test's own folder
    FakeUi ui;
    Folders folders;

    void SetUp() override { files.documents = home.file("Documents"); }
    bool isFolder(const std::string& relative) const { return std::filesystem::is_directory(home.file(relative)); }
};

TEST_F(UserFolders, SettlesSharedDataAndBackupBelowTheDocumentsFolder) {
    std::filesystem::create_directory(*files.documents);
    SettleUserFolders(folders, files, ui);
    EXPECT_EQ(folders.SharedFolder, home.file("Documents/KELVO Software/Shared"));
    EXPECT_EQ(folders.DataFolder, home.file("Documents/KELVO Software/Velmor"));
    EXPECT_TRUE(isFolder("Documents/KELVO Software/Shared"));
    EXPECT_TRUE(isFolder("Documents/KELVO Software/Velmor/BACKUP"));
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(UserFolders, KeepsWhatIsAlreadyThere) {
    home.write("Documents/KELVO Software/Shared/SharedUserPreferences.xml", "kept");
    SettleUserFolders(folders, files, ui);
    EXPECT_EQ(home.read("Documents/KELVO Software/Shared/SharedUserPreferences.xml"), "kept");
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(UserFolders, CreatesAMissingDocumentsFolderAndNoOther) {
    const std::string root = GetUserFolder(files, ui, kUserBaseFolder, kSharedSubfolder);
    EXPECT_EQ(root, home.file("Documents/KELVO Software"));
    EXPECT_TRUE(isFolder("Documents/KELVO Software/Shared"));
    EXPECT_FALSE(std::filesystem::exists(home.file("My Documents")));
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(UserFolders, ReportsADocumentsFolderThatCannotBeMade) {
    files.documents = home.file("gone/Documents");
    GetUserFolder(files, ui, kUserBaseFolder, kSharedSubfolder);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].title, "User Access Directory Error");
    EXPECT_EQ(ui.messages[0].text, "No such file or directory");
}

TEST_F(UserFolders, ReportsAFolderBlockedByAFile) {
    home.write("Documents/KELVO Software", "a file, not a folder");
    GetUserFolder(files, ui, kUserBaseFolder, kSharedSubfolder);
    ASSERT_EQ(ui.messages.size(), 1u) << "the subfolder is not tried below a base that failed";
    EXPECT_EQ(ui.messages[0].title, "Unable to create directory.");
    EXPECT_EQ(ui.messages[0].text, "File exists  " + home.file("Documents/KELVO Software"));
}

TEST_F(UserFolders, EnsureFolderReportsOnlyWhenAsked) {
    home.write("blocked", "");
    EXPECT_FALSE(EnsureFolder(files, ui, home.file("blocked"), false));
    EXPECT_TRUE(ui.messages.empty());

    EXPECT_FALSE(EnsureFolder(files, ui, home.file("missing/child"), true));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "No such file or directory  " + home.file("missing/child"));
}

TEST_F(UserFolders, EmptyPathIsAlwaysReported) {
    for (const bool showMessages : {false, true}) {
        ui.messages.clear();
        EXPECT_FALSE(EnsureFolder(files, ui, "", showMessages));
        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_EQ(ui.messages[0].title, "Unable to Create Directory");
        EXPECT_EQ(ui.messages[0].text, "Invalid Path");
    }
}

TEST_F(UserFolders, BackupFolderFailureIsSilent) {
    home.write("Documents/KELVO Software/Velmor/BACKUP", "a file in the way");
    SettleUserFolders(folders, files, ui);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_TRUE(isFolder("Documents/KELVO Software/Shared"));
}

}  // namespace
}  // namespace topband
