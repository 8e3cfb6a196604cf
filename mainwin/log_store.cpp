#include "mainwin/log_store.h"

#include <cstdio>

#include "core/file_names.h"
#include "core/log_file.h"
#include "core/score.h"

namespace topband {
namespace {

std::string backupFolder(const Files& files, const Folders& folders) {
    return pathInFolder(files, folders.DataFolder, "BACKUP");
}

std::string backupName(const CivilTime& t) {
    char name[32];
    std::snprintf(name, sizeof name, "%04d%02d%02d%02d%02d.log", t.year, t.month, t.day, t.hour, t.minute);
    return name;
}

}  // namespace

std::string logPath(const Files& files, const Folders& folders) {
    return pathInFolder(files, folders.WorkingFolder, kLogFileName);
}

bool loadLogFile(Logbook& logbook, const Folders& folders, Files& files, std::string& error) {
    const std::string path = logPath(files, folders);
    std::vector<Contact> records;
    if (files.exists(path)) {
        const auto content = files.readAll(path, error);
        if (!content) return false;
        auto parsed = parseLog(*content, error);
        if (!parsed) return false;
        records = std::move(*parsed);
    }
    logbook.log.replaceAll(std::move(records));
    logbook.logLoadedThisRun = true;
    rebuildTallies(logbook);
    if (logbook.backupBaseline == 0) logbook.backupBaseline = logbook.log.ContactCount();
    return true;
}

void rebuildTallies(Logbook& logbook) {
    logbook.tallies = {};
    for (const Contact& c : logbook.log.records())
        if (isDxContact(c)) ++logbook.tallies.DXContactCount;
    logbook.sections.rebuild(logbook.log.records());
    logbook.workedCountries.rebuild(logbook.log.records());
}

IoResult copyLogToBackup(const Folders& folders, Files& files, const Clock& clock) {
    const std::string folder = backupFolder(files, folders);
    if (!files.isDirectory(folder))
        if (auto made = files.createDirectory(folder); !made) return made;
    return files.copyFile(logPath(files, folders), joinPath(folder, backupName(clock.localNow())));
}

void Backup(const Logbook& logbook, const Folders& folders, Files& files, const Clock& clock) {
    const int count = logbook.log.ContactCount();
    if (count == logbook.backupBaseline || count <= 0) return;
    (void)copyLogToBackup(folders, files, clock);
}

IoResult eraseLog(Logbook& logbook, const Folders& folders, Files& files, const Clock& clock) {
    const std::string path = logPath(files, folders);
    const auto last = files.lastByte(path);
    if (last || logbook.log.ContactCount() > 0)
        if (auto copied = copyLogToBackup(folders, files, clock); !copied) return copied;
    if (auto emptied = files.replaceAtomically(path, {}); !emptied) return emptied;
    logbook.log.clear();
    return {};
}

IoResult rewriteLogFromMemory(const Logbook& logbook, const Folders& folders, Files& files) {
    if (!logbook.logLoadedThisRun)
        return IoResult::failure("The log file has not been loaded in this run, so it is not rewritten");
    return rewriteLog(files, logPath(files, folders), logbook.log.records());
}

}  // namespace topband
