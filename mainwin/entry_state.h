#pragma once
// The state of the contact being entered, in one place: what the duplicate check, the commit's
// checks and the passing of keys between fields last decided, and the call and report as the
// fields hold them (the keyed messages send them).
#include <cstdint>
#include <string>

#include "platform/clock.h"

namespace topband {

struct EntryState {
    // Set when the last full check found a duplicate; the call field is held until three
    // seconds after DupeTime (local time).
    bool DupeFlag = false;
    CivilTime DupeTime;
    bool PartialDupesOn = true;
    // Set by the last commit's checks.
    bool MissingFieldFlag = false;
    bool InvalidSectionFlag = false;
    // A key passed on to the next field: its character code as decimal text, and the field
    // that takes it (see ForwardTarget in entry_rules.h).
    std::string ForwardedKey;
    std::uint8_t ForwardTarget = 0;
    // The call and the report sent as the entry fields hold them.
    std::string MacroCall;
    std::string MacroRST;
};

}  // namespace topband
