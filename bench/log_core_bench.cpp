// The work the call field and the log load do, on a full log of 11000 contacts with the
// real prefix table: one keystroke, the full duplicate check, the load and the rates.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <unordered_set>
#include <vector>

#include "core/duplicates.h"
#include "core/log_file.h"
#include "core/logbook.h"
#include "core/prefix_file.h"
#include "core/prefix_lookup.h"
#include "core/score.h"
#include "mainwin/log_store.h"

namespace topband {
namespace {

// splitmix64: the same log on every machine and standard library.
class Random {
public:
    std::uint64_t next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    std::size_t below(std::size_t n) { return static_cast<std::size_t>(next() % n); }
    template <std::size_t N>
    const char* pick(const char* const (&items)[N]) {
        return items[below(N)];
    }
    char letter() { return static_cast<char>('A' + below(26)); }
    char digit() { return static_cast<char>('0' + below(10)); }

private:
    std::uint64_t state_ = 160;
};

std::string letters(Random& random, std::size_t low, std::size_t high) {
    std::string text(low + random.below(high - low + 1), ' ');
    for (char& c : text) c = random.letter();
    return text;
}

// Mostly US calls, some Canadian, some DX, a few portable.
std::string randomCall(Random& random) {
    static constexpr const char* kUs[] = {"K",  "W",  "N",  "A",  "K",  "W",  "N",  "KA", "KB", "KC", "KD",
                                          "KE", "WA", "WB", "WD", "AA", "AB", "AC", "AD", "NA", "NB"};
    static constexpr const char* kVe[] = {"VE", "VA", "VE", "VY", "VO"};
    static constexpr const char* kDx[] = {"G",  "DL", "F",  "I",  "JA", "EA", "ON", "PA", "OH", "SM", "OK",
                                          "SP", "UA", "LZ", "YO", "HA", "9A", "S5", "EI", "GM", "OZ", "LA",
                                          "ES", "YL", "LY", "CT", "HB", "OE", "ZL", "VK", "PY", "LU", "XE"};
    // One draw per statement: the order in which operands of + are evaluated is unspecified.
    const std::size_t kind = random.below(100);
    std::string call;
    if (kind < 80) {
        call = random.pick(kUs);
        call += random.digit();
        return call + letters(random, 1, 3);
    }
    if (kind < 88) {
        call = random.pick(kVe);
        call += static_cast<char>('1' + random.below(9));
        return call + letters(random, 2, 3);
    }
    if (kind < 98) {
        call = random.pick(kDx);
        call += random.digit();
        return call + letters(random, 2, 3);
    }
    static constexpr const char* kPortable[] = {"/4", "/P", "/KH6", "/VE3", "/0"};
    call = random.pick(kUs);
    call += random.digit();
    call += letters(random, 2, 3);
    return call + random.pick(kPortable);
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The contest starts 2026/12/04 22:00 UTC; the log fills its 42 hours evenly.
constexpr std::int64_t kContestSeconds = 42 * 3600;
const std::int64_t kStart = secondsOf({2026, 12, 4, 22, 0, 0});

std::string twoDigits(int value) { return {static_cast<char>('0' + value / 10), static_cast<char>('0' + value % 10)}; }

struct Fixture {
    PrefixTable prefixes;
    SectionTable sections;
    std::string logText;
    ContactLog log;
    std::vector<std::string> newCalls;  // calls that are not in the log

    // Every 109th logged call, as many as there are new ones.
    const std::string& loggedCall(std::size_t i) const { return log.record(static_cast<int>(i * 109) + 1).call; }

    Fixture() {
        prefixes.replaceAll(parsePrefixFile(readFile(std::string(TOPBAND_DATA_DIR) + "/" + kPrefixFileName)).rows);
        Random random;
        std::unordered_set<std::string> seen;
        std::vector<Contact> records;
        while (records.size() < static_cast<std::size_t>(MaxContacts)) {
            std::string call = randomCall(random);
            if (!seen.insert(call).second) continue;
            const CountryLookup found = lookupCountry(prefixes, call);
            const bool wVe = found.outcome == LookupOutcome::Found && isWVeCountry(found.country);
            const std::string section =
                wVe ? sections.SectionAbbr(
                          1 + static_cast<int>(random.below(static_cast<std::size_t>(sections.SectionCount()))))
                    : std::string();
            const CivilTime t =
                civilFromSeconds(kStart + static_cast<std::int64_t>(records.size()) * kContestSeconds / MaxContacts);
            records.push_back({call, "599", section, "599", found.country,
                               std::to_string(t.year) + "/" + twoDigits(t.month) + "/" + twoDigits(t.day),
                               twoDigits(t.hour) + ":" + twoDigits(t.minute) + ":" + twoDigits(t.second)});
        }
        for (const Contact& c : records) logText += *formatLogRecord(c);
        log.replaceAll(std::move(records));
        while (newCalls.size() < 100)
            if (std::string call = randomCall(random); !seen.contains(call)) newCalls.push_back(call);
    }
};

const Fixture& fixture() {
    static const Fixture f;
    return f;
}

struct Keystroke {
    std::string field;
    int key;
};

// Every keystroke of typing 100 logged and 100 new calls, one character after the other.
std::vector<Keystroke> typing(const Fixture& f) {
    std::vector<Keystroke> keys;
    for (std::size_t i = 0; i < f.newCalls.size(); ++i)
        for (const std::string& call : {f.loggedCall(i), f.newCalls[i]})
            for (std::size_t n = 0; n < call.size(); ++n) keys.push_back({call.substr(0, n), call[n]});
    return keys;
}

void runKeystrokes(benchmark::State& state, const std::vector<Keystroke>& keys) {
    const Fixture& f = fixture();
    std::size_t next = 0;
    for (auto _ : state) {
        const Keystroke& k = keys[next];
        next = (next + 1) % keys.size();
        benchmark::DoNotOptimize(lookupCountry(f.prefixes, k.field + static_cast<char>(k.key)));
        benchmark::DoNotOptimize(partialDupeScan(f.log, k.field, k.key, true));
    }
}

void BM_Keystroke(benchmark::State& state) { runKeystrokes(state, typing(fixture())); }

// The slowest key: nothing matches, so every call of the log is looked at.
void BM_KeystrokeNoMatch(benchmark::State& state) { runKeystrokes(state, {{"QQ", 'Q'}, {"K9Z", 'Q'}, {"W0", '/'}}); }

void BM_FullDupeCheck(benchmark::State& state) {
    const Fixture& f = fixture();
    std::vector<std::string> probes;
    for (std::size_t i = 0; i < f.newCalls.size(); ++i) {
        probes.push_back(f.loggedCall(i));
        probes.push_back(f.newCalls[i]);
    }
    std::size_t next = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(findDuplicate(f.log, probes[next]));
        next = (next + 1) % probes.size();
    }
}

// Now: two minutes after the last contact, with UTC one hour behind local time.
constexpr CivilTime localNowAtEnd() { return {2026, 12, 6, 17, 2, 0}; }
constexpr float kUtcOffset = -1;

void BM_LoadLog(benchmark::State& state) {
    const Fixture& f = fixture();
    for (auto _ : state) {
        state.PauseTiming();
        Logbook app;
        state.ResumeTiming();
        std::string error;
        auto records = parseLog(f.logText, error);
        if (!records) state.SkipWithError(error.c_str());
        app.log.replaceAll(std::move(*records));
        rebuildTallies(app);
        benchmark::DoNotOptimize(contactRates(app.log, localNowAtEnd(), kUtcOffset));
        benchmark::DoNotOptimize(
            scoreTotals({app.log.ContactCount(), app.tallies.DXContactCount, app.sections.SectionsWorked(),
                         app.workedCountries.WorkedCountryCount()}));
    }
}

// Start-up's read of the prefix file: every record parsed and the table indexed.
void BM_LoadPrefixTable(benchmark::State& state) {
    const std::string text = readFile(std::string(TOPBAND_DATA_DIR) + "/" + kPrefixFileName);
    for (auto _ : state) {
        PrefixTable table;
        table.replaceAll(parsePrefixFile(text).rows);
        benchmark::DoNotOptimize(table.PrefixCount());
    }
}

void BM_TimeStats(benchmark::State& state) {
    const Fixture& f = fixture();
    for (auto _ : state) benchmark::DoNotOptimize(contactRates(f.log, localNowAtEnd(), kUtcOffset));
}

// Each figure is the median of ten runs.
#define MEDIAN_OF_TEN(name) BENCHMARK(name)->Repetitions(10)->ReportAggregatesOnly(true)->Unit(benchmark::kMicrosecond)
MEDIAN_OF_TEN(BM_Keystroke);
MEDIAN_OF_TEN(BM_KeystrokeNoMatch);
MEDIAN_OF_TEN(BM_FullDupeCheck);
MEDIAN_OF_TEN(BM_LoadLog);
MEDIAN_OF_TEN(BM_LoadPrefixTable);
MEDIAN_OF_TEN(BM_TimeStats);

}  // namespace
}  // namespace topband

BENCHMARK_MAIN();
