// The commit of one contact on a log holding 10999: the section and duplicate checks, the
// time stamp, storing with the synced append to a real file, the recent-contacts rows, the
// totals and the rates.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "core/duplicates.h"
#include "core/log_file.h"
#include "core/recent_contacts.h"
#include "core/score.h"
#include "mainwin/contact_commit.h"
#include "mainwin/log_store.h"

namespace topband {
namespace {

// Distinct calls K0AA..W9ZZZ-like, W/VE with a section in turn, every seventh one DX.
std::vector<Contact> fullLog(const SectionTable& sections, int count) {
    static constexpr const char* kDxCountries[] = {"England", "Japan", "Germany", "Italy", "Spain", "Brazil"};
    std::vector<Contact> records;
    for (int i = 0; i < count; ++i) {
        std::string call = (i % 7 == 0 ? "G" : "K") + std::to_string(i % 10);
        for (int n = i / 10; n > 0 || call.size() < 4; n /= 26) call += static_cast<char>('A' + n % 26);
        const bool dx = i % 7 == 0;
        const std::string section = dx ? "" : sections.SectionAbbr(1 + i % sections.SectionCount());
        const std::string country = dx ? kDxCountries[i % 6] : "USA";
        char time[16];
        std::snprintf(time, sizeof time, "%02d:%02d:%02d", i / 3600 % 24, i / 60 % 60, i % 60);
        records.push_back({call, "599", section, "599", country, "2026/12/05", time});
    }
    return records;
}

class TempWorkingFolder {
public:
    TempWorkingFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "topband-bench-XXXXXX").string();
        path_ = ::mkdtemp(pattern.data());
    }
    ~TempWorkingFolder() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

void BM_CommitOnFullLog(benchmark::State& state) {
    TempWorkingFolder folder;
    RealFiles files;
    AppState app;
    app.folders.WorkingFolder = folder.path();
    const std::vector<Contact> base = fullLog(app.sections, MaxContacts - 1);
    if (!files.replaceAtomically(logPath(files, app), {})) state.SkipWithError("cannot write the log");
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
        if (storeContact(app, files, contact).outcome != StoreOutcome::Stored) state.SkipWithError("not stored");
        for (int record : shownRecordNumbers(app.log.ContactCount(), false))
            benchmark::DoNotOptimize(listColumns(record, app.log.record(record)));
        benchmark::DoNotOptimize(scoreTotals({app.log.ContactCount(), app.tallies.DXContactCount,
                                              app.sections.SectionsWorked(),
                                              app.workedCountries.WorkedCountryCount()}));
        benchmark::DoNotOptimize(contactRates(app.log, local, 5));
    }
}

// Resetting the log between commits takes longer than a commit, so the count is fixed.
BENCHMARK(BM_CommitOnFullLog)->Iterations(50)->Repetitions(10)->ReportAggregatesOnly(true)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace topband
