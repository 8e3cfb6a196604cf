#include "mainwin/countries_command.h"

#include <algorithm>
#include <iterator>
#include <map>
#include <optional>
#include <ostream>
#include <set>
#include <vector>

#include "core/file_names.h"
#include "core/letter_case.h"
#include "core/prefix_convert.h"
#include "core/prefix_file.h"
#include "mainwin/lookup_command.h"

namespace topband {
namespace {

constexpr std::size_t kNamesShown = 10;
// A country file cut short at the end of an entity reads like a whole one. Entities seldom
// leave the DXCC list, one or two in years: a file that would take more than a few from a
// full table is refused as cut short.
constexpr std::size_t kFullTableEntities = 100;
constexpr std::size_t kMostEntitiesLost = 5;
constexpr const char* kLeftAsItWas = "; the prefix table was left as it was";

// What the change report compares: the entities (country names), the prefixes and the exact calls.
struct TableKeys {
    std::set<std::string> entities;
    std::map<std::string, PrefixRow> prefixes;
    std::map<std::string, PrefixRow> exactCalls;
};

TableKeys keysOf(const std::vector<PrefixRow>& rows) {
    TableKeys keys;
    for (const PrefixRow& row : rows) {
        keys.entities.insert(row.country);
        (row.exactCall ? keys.exactCalls : keys.prefixes).try_emplace(upperCased(row.prefix), row);
    }
    return keys;
}

// "label: N" and, when there are any, the first few of them.
void printNames(std::ostream& out, const std::string& label, const std::vector<std::string>& names) {
    out << label << ": " << std::to_string(names.size());
    if (!names.empty()) {
        out << " (";
        for (std::size_t i = 0; i < std::min(names.size(), kNamesShown); ++i) out << (i == 0 ? "" : ", ") << names[i];
        if (names.size() > kNamesShown) out << " and " << std::to_string(names.size() - kNamesShown) << " more";
        out << ")";
    }
    out << "\n";
}

std::vector<std::string> missingFrom(const std::set<std::string>& from, const std::set<std::string>& other) {
    std::vector<std::string> missing;
    std::set_difference(from.begin(), from.end(), other.begin(), other.end(), std::back_inserter(missing));
    return missing;
}

std::vector<std::string> missingFrom(const std::map<std::string, PrefixRow>& from,
                                     const std::map<std::string, PrefixRow>& other) {
    std::vector<std::string> missing;
    for (const auto& entry : from)
        if (!other.contains(entry.first)) missing.push_back(entry.first);
    return missing;
}

std::vector<std::string> changedBetween(const std::map<std::string, PrefixRow>& before,
                                        const std::map<std::string, PrefixRow>& after) {
    std::vector<std::string> changed;
    for (const auto& [key, row] : after) {
        const auto old = before.find(key);
        if (old != before.end() && old->second != row) changed.push_back(key);
    }
    return changed;
}

void printChanges(std::ostream& out, const TableKeys& before, const TableKeys& after) {
    printNames(out, "entities added", missingFrom(after.entities, before.entities));
    printNames(out, "entities removed", missingFrom(before.entities, after.entities));
    printNames(out, "prefixes added", missingFrom(after.prefixes, before.prefixes));
    printNames(out, "prefixes removed", missingFrom(before.prefixes, after.prefixes));
    printNames(out, "prefixes changed", changedBetween(before.prefixes, after.prefixes));
    printNames(out, "exact calls added", missingFrom(after.exactCalls, before.exactCalls));
    printNames(out, "exact calls removed", missingFrom(before.exactCalls, after.exactCalls));
    printNames(out, "exact calls changed", changedBetween(before.exactCalls, after.exactCalls));
}

}  // namespace

int runCountriesImport(const std::string& countryFile, Files& files, std::ostream& out, std::ostream& errors) {
    std::string error;
    const auto source = files.readAll(countryFile, error, kMaxCountryFileBytes);
    if (!source) {
        errors << "topband: " << countryFile << ": " << error << kLeftAsItWas << "\n";
        return 1;
    }
    MadePrefixFile made;
    try {
        made = makePrefixFile(parseCountryFile(*source, countryFile),
                              parseCallAreas(builtInCallAreas(), "call_areas.csv"), countryFile);
    } catch (const CountrySourceError& refused) {
        errors << "topband: " << countryFile;
        if (refused.line() > 0) errors << " line " << std::to_string(refused.line());
        errors << ": " << refused.why() << kLeftAsItWas << "\n";
        return 1;
    }
    const PrefixFileRows fresh = parsePrefixFile(made.content);
    if (!fresh.error.empty()) {
        errors << "topband: the table made from " << countryFile << " does not read back: " << fresh.error
               << kLeftAsItWas << "\n";
        return 1;
    }

    const Folders folders = commandFolders(files);
    const std::string target = pathInFolder(files, folders.WorkingFolder, kPrefixFileName);
    const std::string backup = pathInFolder(files, folders.WorkingFolder, std::string(kPrefixFileName) + ".bak");
    std::optional<std::string> old;
    if (files.exists(target)) {
        old = files.readAll(target, error, kMaxCountryFileBytes);
        if (!old) {
            errors << "topband: " << target << ": " << error << kLeftAsItWas << "\n";
            return 1;
        }
    }
    const TableKeys before = keysOf(old ? parsePrefixFile(*old).rows : std::vector<PrefixRow>{});
    const TableKeys after = keysOf(fresh.rows);
    const std::size_t stay = before.entities.size() - missingFrom(before.entities, after.entities).size();
    if (before.entities.size() >= kFullTableEntities && stay + kMostEntitiesLost < before.entities.size()) {
        errors << "topband: " << countryFile << ": holds " << std::to_string(stay) << " of the "
               << std::to_string(before.entities.size()) << " entities of " << target << "; it looks cut short"
               << kLeftAsItWas << "\n";
        return 1;
    }
    if (old == made.content) {
        out << target << " already holds what " << countryFile << " gives; nothing changed\n";
        return 0;
    }
    if (old) {
        if (const IoResult kept = files.replaceAtomically(backup, *old); !kept) {
            errors << "topband: " << backup << ": " << kept.error << kLeftAsItWas << "\n";
            return 1;
        }
    }
    if (const IoResult written = files.replaceAtomically(target, made.content); !written) {
        errors << "topband: " << target << ": " << written.error << kLeftAsItWas << "\n";
        return 1;
    }

    // Counts as text: the stream's locale must not group their digits.
    out << "Made " << target << " from " << countryFile << ": " << std::to_string(made.prefixRows) << " prefixes ("
        << std::to_string(made.areaRows) << " of them call areas) and " << std::to_string(made.exactCalls)
        << " exact calls; " << (old ? "the old table is " + backup : std::string("there was no table before")) << "\n";
    printChanges(out, before, after);
    // The per-user folders are read before the working folder.
    const std::string shadowing =
        firstFileInFolders(files, {folders.SharedFolder, folders.DataFolder}, kPrefixFileName);
    if (!shadowing.empty())
        errors << "topband: note: " << shadowing << " is read before " << target
               << "; remove it to use the new table\n";
    return 0;
}

}  // namespace topband
