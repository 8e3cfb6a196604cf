#pragma once
// The per-user folders: "KELVO Software" below the user's documents folder, with "Shared"
// (files other programs may read too) and "Velmor" (this program's own data) inside it.
#include <string>

#include "core/folders.h"
#include "platform/files.h"
#include "platform/ui.h"

namespace topband {

inline constexpr const char* kUserBaseFolder = "KELVO Software";
inline constexpr const char* kSharedSubfolder = "Shared";
inline constexpr const char* kDataSubfolder = "Velmor";
inline constexpr const char* kBackupSubfolder = "BACKUP";

// Creates `path` when it is not a folder yet (its parent must exist). An empty path is always
// reported; a failure to create is reported only with `showMessages`. True when the folder exists.
bool EnsureFolder(Files& files, Ui& ui, const std::string& path, bool showMessages);

// Makes sure documents/base and documents/base/sub exist and returns documents/base. `base` and
// `sub` are single folder names. A missing documents folder is created; when it cannot be,
// the failure is reported and the returned path is left to fail later.
std::string GetUserFolder(Files& files, Ui& ui, const std::string& base, const std::string& sub);

// Fills SharedFolder and DataFolder, creating them as needed, and makes sure the backup folder
// below DataFolder exists (silently: the backups report their own failures).
void SettleUserFolders(Folders& folders, Files& files, Ui& ui);

}  // namespace topband
