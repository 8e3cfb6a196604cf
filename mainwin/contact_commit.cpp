#include "mainwin/contact_commit.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "core/log_file.h"
#include "core/score.h"
#include "mainwin/log_store.h"

namespace topband {
namespace {

constexpr std::int64_t kClockTolerance = 60;

}  // namespace

LiveStamp liveStamp(const CivilTime& local, float utcOffset, const CivilTime& systemUtc) {
    const std::int64_t utcSeconds = secondsOf(local) + std::llround(static_cast<double>(utcOffset) * 3600);
    const CivilTime t = civilFromSeconds(utcSeconds);
    char date[40];
    char time[40];
    std::snprintf(date, sizeof date, "%04d/%02d/%02d", t.year, t.month, t.day);
    std::snprintf(time, sizeof time, "%02d:%02d:%02d", t.hour, t.minute, t.second);
    return {date, time, std::llabs(utcSeconds - secondsOf(systemUtc)) > kClockTolerance};
}

StoreResult storeContact(Logbook& logbook, const Folders& folders, Files& files, const Contact& contact) {
    StoreResult result;
    if (logbook.log.full()) {
        result.outcome = StoreOutcome::LogFull;
        return result;
    }
    if (auto appended = appendToLog(files, logPath(files, folders), contact); !appended) {
        result.outcome = StoreOutcome::AppendFailed;
        result.error = appended.error;
        return result;
    }
    const bool newCountry = logbook.workedCountries.isNew(contact.country, contact.section);
    logbook.log.add(contact);
    if (newCountry)
        result.countryAdded = logbook.workedCountries.add(contact.country) == WorkedCountries::AddResult::Added;
    if (!contact.section.empty())
        result.sectionNewlyWorked = logbook.sections.markWorked(contact.section);
    else if (isDxContact(contact))
        ++logbook.tallies.DXContactCount;
    return result;
}

}  // namespace topband
