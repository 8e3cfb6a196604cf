#pragma once
// Storing a committed contact: the log file first, then memory and the tallies, so that the
// log in memory never holds a contact the file lacks.
#include <string>

#include "core/folders.h"
#include "core/logbook.h"
#include "platform/clock.h"
#include "platform/files.h"

namespace topband {

// The UTC date and time of a contact logged live: local time plus the stored offset.
struct LiveStamp {
    std::string date;  // "yyyy/mm/dd"
    std::string time;  // "hh:mm:ss"
    // Local time plus the offset is more than a minute away from the system's UTC clock.
    bool clockDisagrees = false;
};
LiveStamp liveStamp(const CivilTime& local, float utcOffset, const CivilTime& systemUtc);

enum class StoreOutcome { Stored, LogFull, AppendFailed };

struct StoreResult {
    StoreOutcome outcome = StoreOutcome::Stored;
    std::string error;                // the system's description when the append failed
    bool sectionNewlyWorked = false;  // the section grid needs repainting
    bool countryAdded = false;        // the list of DX countries needs refilling
};

// Appends the contact to the log file and, only when that succeeded, stores it as the next
// record and raises the tallies: a new DX country, the section worked, or the DX count.
// A full worked-country list leaves the country uncounted; the contact is stored all the same.
StoreResult storeContact(Logbook& logbook, const Folders& folders, Files& files, const Contact& contact);

}  // namespace topband
