// One edit from the recent-contacts list on a full log of 11000 contacts, as Done and the
// main window do it: the duplicate check of the edited call, the whole-file rewrite (synced
// and renamed into place) and the reload that rebuilds everything derived from the log.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "state/app_state.h"
#include "core/log_file.h"
#include "core/recent_contacts.h"
#include "mainwin/log_store.h"
#include "platform/files.h"

namespace topband {
namespace {

// Calls K0AA.. in order, every fifth a DX station; the sections cycle through the table.
std::vector<Contact> fullLog(const SectionTable& sections) {
    std::vector<Contact> records;
    for (int i = 0; i < MaxContacts; ++i) {
        const std::string call = "K" + std::to_string(i % 10) + static_cast<char>('A' + i / 260 % 26) +
                                 static_cast<char>('A' + i / 10 % 26) + std::to_string(i / 6760);
        if (i % 5 == 0)
            records.push_back({"G" + call, "599", "", "599", "England", "2026/12/05", "22:01:07"});
        else
            records.push_back({call, "599", sections.SectionAbbr(1 + i % sections.SectionCount()), "599", "USA",
                               "2026/12/05", "22:01:07"});
    }
    return records;
}

void BM_EditOneRecord(benchmark::State& state) {
    std::string pattern = (std::filesystem::temp_directory_path() / "topband-bench-XXXXXX").string();
    const std::string folder = ::mkdtemp(pattern.data());
    RealFiles files;
    AppState app;
    app.folders.WorkingFolder = folder;
    app.log.replaceAll(fullLog(app.sections));
    app.logLoadedThisRun = true;
    std::string error;
    if (!rewriteLogFromMemory(app, files) || !loadLogFile(app, files, error)) state.SkipWithError("no log");
    constexpr int kEdited = MaxContacts / 2;
    int flip = 0;
    for (auto _ : state) {
        Contact edited = app.log.record(kEdited);
        edited.section = app.sections.SectionAbbr(1 + (flip++ % 2));
        benchmark::DoNotOptimize(otherRecordsWithCall(app.log, kEdited, edited.call));
        app.log.replaceAll(withRecordReplaced(app.log, kEdited, std::move(edited)));
        if (!rewriteLogFromMemory(app, files) || !loadLogFile(app, files, error)) state.SkipWithError("failed");
    }
    std::filesystem::remove_all(folder);
}

BENCHMARK(BM_EditOneRecord)->Repetitions(10)->ReportAggregatesOnly(true)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace topband
