#pragma once
// The log file of the working folder and everything rebuilt from it: the load, the
// automatic backup copy, erasing for a new log and whole-file rewrites.
#include <string>

#include "state/app_state.h"
#include "platform/clock.h"
#include "platform/files.h"

namespace topband {

std::string logPath(const Files& files, const AppState& state);

// Reads the whole log into memory and rebuilds the tallies. A missing file is an empty log.
// On failure (unreadable, damaged, cut short, over capacity) nothing in `state` changes.
bool loadLogFile(AppState& state, Files& files, std::string& error);

// Recomputes every value derived from the records in memory.
void rebuildTallies(AppState& state);

// Copies the log file into the BACKUP folder as yyyymmddhhnn.log (local time), creating the folder.
IoResult copyLogToBackup(const AppState& state, Files& files, const Clock& clock);
// The automatic backup: only when the count has changed since the first load and is not 0.
// Failures are not reported.
void Backup(const AppState& state, Files& files, const Clock& clock);

// Empties the log file and the log in memory, after a backup copy of a non-empty log; refuses
// to erase when that copy fails.
IoResult eraseLog(AppState& state, Files& files, const Clock& clock);

// Rewrites the log file from memory; refused unless this run loaded the log, so that a
// rewrite can never replace a contest it has not read.
IoResult rewriteLogFromMemory(const AppState& state, Files& files);

}  // namespace topband
