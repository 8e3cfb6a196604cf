#include "mainwin/log_store.h"

#include <cstdio>

#include "core/file_names.h"
#include "core/log_file.h"
#include "core/score.h"

namespace topband {
namespace {

std::string backupFolder(const Files& files, const AppState& state) {
    return pathInFolder(files, state.folders.DataFolder, "BACKUP");
}

std::string backupName(const CivilTime& t) {
    char name[32];
    std::snprintf(name, sizeof name, "%04d%02d%02d%02d%02d.log", t.year, t.month, t.day, t.hour, t.minute);
    return name;
}

}  // namespace

std::string logPath(const Files& files, const AppState& state) {
    return pathInFolder(files, state.folders.WorkingFolder, kLogFileName);
}

bool loadLogFile(AppState& state, Files& files, std::string& error) {
    const std::string path = logPath(files, state);
    std::vector<Contact> records;
    if (files.exists(path)) {
        const auto content = files.readAll(path, error);
        if (!content) return false;
        auto parsed = parseLog(*content, error);
        if (!parsed) return false;
        records = std::move(*parsed);
    }
    state.log.replaceAll(std::move(records));
    state.logLoadedThisRun = true;
    rebuildTallies(state);
    if (state.backupBaseline == 0) state.backupBaseline = state.log.ContactCount();
    return true;
}

void rebuildTallies(AppState& state) {
    state.tallies = {};
    for (const Contact& c : state.log.records())
        if (isDxContact(c)) ++state.tallies.DXContactCount;
    state.sections.rebuild(state.log.records());
    state.workedCountries.rebuild(state.log.records());
}

IoResult copyLogToBackup(const AppState& state, Files& files, const Clock& clock) {
    const std::string folder = backupFolder(files, state);
    if (!files.isDirectory(folder))
        if (auto made = files.createDirectory(folder); !made) return made;
    return files.copyFile(logPath(files, state), joinPath(folder, backupName(clock.localNow())));
}

void Backup(const AppState& state, Files& files, const Clock& clock) {
    const int count = state.log.ContactCount();
    if (count == state.backupBaseline || count <= 0) return;
    (void)copyLogToBackup(state, files, clock);
}

IoResult eraseLog(AppState& state, Files& files, const Clock& clock) {
    const std::string path = logPath(files, state);
    const auto last = files.lastByte(path);
    if (last || state.log.ContactCount() > 0)
        if (auto copied = copyLogToBackup(state, files, clock); !copied) return copied;
    if (auto emptied = files.replaceAtomically(path, {}); !emptied) return emptied;
    state.log.clear();
    return {};
}

IoResult rewriteLogFromMemory(const AppState& state, Files& files) {
    if (!state.logLoadedThisRun)
        return IoResult::failure("The log file has not been loaded in this run, so it is not rewritten");
    return rewriteLog(files, logPath(files, state), state.log.records());
}

}  // namespace topband
