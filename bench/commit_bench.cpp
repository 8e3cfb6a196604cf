// The commit of one contact on a log holding 10999: the section and duplicate checks, the
// time stamp, storing with the synced append to a real file, the recent-contacts rows, the
// totals and the rates.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "core/duplicates.h"
#include "core/folders.h"
#include "core/log_file.h"
#include "core/logbook.h"
#include "core/recent_contacts.h"
#include "core/score.h"
#include "mainwin/contact_commit.h"
#include "mainwin/log_store.h"
#include "tests/support/generated_log.h"
#include "tests/support/temp_folder.h"

namespace topband {
namespace {

using testing::generatedLog;
using testing::TempFolder;

void BM_CommitOnFullLog(benchmark::State& state) {
    TempFolder folder;
    RealFiles files;
    Logbook app;
    Folders folders;
    folders.WorkingFolder = folder.path();
    const std::vector<Contact> base = generatedLog(app.sections, MaxContacts - 1);
    if (!files.replaceAtomically(logPath(files, folders), {})) state.SkipWithError("cannot write the log");
    const CivilTime local{2026, 12, 5, 17, 0, 0};
    const CivilTime utc{2026, 12, 5, 22, 0, 0};
    const Contact entry{"W9NEW", "599", "WI", "599", "USA", {}, {}};
    for (auto _ : state) {
        state.PauseTiming();
        app.log.replaceAll(base);
        rebuildTallies(app);
        state.ResumeTiming();

        if (app.sections.CheckSection(entry.section, entry.country).invalid) state.SkipWithError("section");
        if (findDuplicate(app.log, entry.call)) state.SkipWithError("duplicate");
        Contact contact = entry;
        const LiveStamp stamp = liveStamp(local, 5, utc);
        contact.date = stamp.date;
        contact.time = stamp.time;
        if (storeContact(app, folders, files, contact).outcome != StoreOutcome::Stored)
            state.SkipWithError("not stored");
        for (int record : shownRecordNumbers(app.log.ContactCount(), false))
            benchmark::DoNotOptimize(listColumns(record, app.log.record(record)));
        benchmark::DoNotOptimize(
            scoreTotals({app.log.ContactCount(), app.tallies.DXContactCount, app.sections.SectionsWorked(),
                         app.workedCountries.WorkedCountryCount()}));
        benchmark::DoNotOptimize(contactRates(app.log, local, 5));
    }
}

// Resetting the log between commits takes longer than a commit, so the count is fixed.
BENCHMARK(BM_CommitOnFullLog)
    ->Iterations(50)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace topband
