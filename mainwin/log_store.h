#pragma once
// The log file of the working folder and everything rebuilt from it: the load, the
// automatic backup copy, erasing for a new log and whole-file rewrites.
#include <string>

#include "core/folders.h"
#include "core/logbook.h"
#include "platform/clock.h"
#include "platform/files.h"

namespace topband {

std::string logPath(const Files& files, const Folders& folders);

// Reads the whole log into memory and rebuilds the tallies. A missing file is an empty log.
// On failure (unreadable, damaged, cut short, over capacity) nothing in `logbook` changes.
bool loadLogFile(Logbook& logbook, const Folders& folders, Files& files, std::string& error);

// Recomputes every value derived from the records in memory.
void rebuildTallies(Logbook& logbook);

// Copies the log file into the BACKUP folder as yyyymmddhhnn.log (local time), creating the folder.
IoResult copyLogToBackup(const Folders& folders, Files& files, const Clock& clock);
// The automatic backup: only when the count has changed since the first load and is not 0.
// Failures are not reported.
void Backup(const Logbook& logbook, const Folders& folders, Files& files, const Clock& clock);

// Empties the log file and the log in memory, after a backup copy of a non-empty log; refuses
// to erase when that copy fails.
IoResult eraseLog(Logbook& logbook, const Folders& folders, Files& files, const Clock& clock);

// Rewrites the log file from memory; refused unless this run loaded the log, so that a
// rewrite can never replace a contest it has not read.
IoResult rewriteLogFromMemory(const Logbook& logbook, const Folders& folders, Files& files);

}  // namespace topband
