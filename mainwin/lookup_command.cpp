#include "mainwin/lookup_command.h"

#include <ostream>

#include "core/country_display.h"
#include "core/duplicates.h"
#include "core/file_names.h"
#include "core/letter_case.h"
#include "core/number_text.h"
#include "core/prefix_file.h"
#include "mainwin/log_store.h"
#include "mainwin/preferences_file.h"
#include "mainwin/user_folders.h"

namespace topband {
namespace {

std::string trimmed(const std::string& text) { return std::string(trimBlanks(text)); }

// The station's own position, as the window reads it at start.
Preferences readOwnStation(const Files& files, const std::string& folder, std::ostream& errors) {
    const std::string path = pathInFolder(files, folder, kPreferencesFileName);
    std::string error;
    const auto content = files.readAll(path, error);
    const auto prefs = content ? parsePreferences(*content, error) : std::nullopt;
    if (prefs) return *prefs;
    errors << "topband: " << path << ": " << error << "; bearings are from 0 N 0 W\n";
    return {};
}

}  // namespace

Folders commandFolders(const Files& files) {
    Folders folders;
    folders.WorkingFolder = files.currentFolder();
    const std::string base = joinPath(files.documentsFolder(), kUserBaseFolder);
    folders.SharedFolder = joinPath(base, kSharedSubfolder);
    folders.DataFolder = joinPath(base, kDataSubfolder);
    return folders;
}

int runLookup(const std::vector<std::string>& calls, Files& files, const std::string& installedDataFolder,
              std::ostream& out, std::ostream& errors) {
    const Folders folders = commandFolders(files);
    const Preferences prefs = readOwnStation(files, folders.WorkingFolder, errors);

    std::vector<std::string> prefixFolders = prefixFileFolders(folders);
    prefixFolders.push_back(installedDataFolder);  // what the first start would copy in
    const PrefixFileLoad prefixes = loadPrefixFile(files, prefixFolders);
    const PrefixTable& prefixTable = prefixes.table;
    if (!prefixes.error.empty()) errors << "topband: " << prefixes.error << "\n";
    if (prefixTable.PrefixCount() == 0) {
        errors << "topband: no prefix table found in the working folder, the per-user folders or "
               << (installedDataFolder.empty() ? std::string("the installation") : installedDataFolder) << "\n";
        return 1;
    }
    Logbook logbook;
    std::string logError;
    if (!loadLogFile(logbook, folders, files, logError)) {
        errors << "topband: " << logPath(files, folders) << ": " << logError << "\n";
        return 1;
    }
    for (const std::string& argument : calls) {
        const std::string call = upperCased(argument);
        const CountryFields fields = countryFieldsFor(prefixTable, prefs, call, {});
        const bool dupe = findDuplicate(logbook.log, call).has_value();
        out << call << '\t' << fields.country << '\t' << fields.continent << '\t' << trimmed(fields.bearing) << '\t'
            << trimmed(fields.miles) << '\t' << (dupe ? "DUPE" : "") << '\n';
    }
    return 0;
}

}  // namespace topband
