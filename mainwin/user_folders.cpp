#include "mainwin/user_folders.h"

namespace topband {

bool EnsureFolder(Files& files, Ui& ui, const std::string& path, bool showMessages) {
    if (path.empty()) {
        ui.messageBox("Unable to Create Directory", "Invalid Path");
        return false;
    }
    if (files.isDirectory(path)) return true;
    const IoResult made = files.createDirectory(path);
    if (!made && showMessages) ui.messageBox("Unable to create directory.", made.error + "  " + path);
    return made.ok;
}

std::string GetUserFolder(Files& files, Ui& ui, const std::string& base, const std::string& sub) {
    const std::string documents = files.documentsFolder();
    const std::string root = joinPath(documents, base);
    if (documents.empty()) {
        ui.messageBox("User Access Directory Error", "The user's documents folder is not known.");
        return root;
    }
    // A fresh account may have no documents folder yet; it is made here rather than
    // falling back to some other folder, so the files always end up where the user looks.
    if (!files.isDirectory(documents)) {
        const IoResult made = files.createDirectory(documents);
        if (!made) {
            ui.messageBox("User Access Directory Error", made.error);
            return root;
        }
    }
    if (EnsureFolder(files, ui, root, true)) EnsureFolder(files, ui, joinPath(root, sub), true);
    return root;
}

void SettleUserFolders(Folders& folders, Files& files, Ui& ui) {
    const std::string dataRoot = GetUserFolder(files, ui, kUserBaseFolder, kDataSubfolder);
    const std::string sharedRoot = GetUserFolder(files, ui, kUserBaseFolder, kSharedSubfolder);
    folders.DataFolder = joinPath(dataRoot, kDataSubfolder);
    folders.SharedFolder = joinPath(sharedRoot, kSharedSubfolder);
    EnsureFolder(files, ui, joinPath(folders.DataFolder, kBackupSubfolder), false);
}

}  // namespace topband
