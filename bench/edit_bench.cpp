// One edit from the recent-contacts list on a full log of 11000 contacts, as Done and the
// main window do it: the duplicate check of the edited call, the whole-file rewrite (synced
// and renamed into place) and the reload that rebuilds everything derived from the log.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "core/folders.h"
#include "core/log_file.h"
#include "core/logbook.h"
#include "core/recent_contacts.h"
#include "mainwin/log_store.h"
#include "platform/files.h"
#include "tests/support/generated_log.h"
#include "tests/support/temp_folder.h"

namespace topband {
namespace {

using testing::generatedLog;
using testing::TempFolder;

void BM_EditOneRecord(benchmark::State& state) {
    const TempFolder folder;
    RealFiles files;
    Logbook app;
    Folders folders;
    folders.WorkingFolder = folder.path();
    app.log.replaceAll(generatedLog(app.sections, MaxContacts));
    app.logLoadedThisRun = true;
    std::string error;
    if (!rewriteLogFromMemory(app, folders, files) || !loadLogFile(app, folders, files, error))
        state.SkipWithError("no log");
    constexpr int kEdited = MaxContacts / 2;
    int flip = 0;
    for (auto _ : state) {
        Contact edited = app.log.record(kEdited);
        edited.section = app.sections.SectionAbbr(1 + (flip++ % 2));
        benchmark::DoNotOptimize(otherRecordsWithCall(app.log, kEdited, edited.call));
        app.log.replaceAll(withRecordReplaced(app.log, kEdited, std::move(edited)));
        if (!rewriteLogFromMemory(app, folders, files) || !loadLogFile(app, folders, files, error))
            state.SkipWithError("failed");
    }
}

BENCHMARK(BM_EditOneRecord)->Repetitions(10)->ReportAggregatesOnly(true)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace topband
