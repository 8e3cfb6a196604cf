#pragma once
// Duplicate checks of the call field: the full check when the field is left or a contact is
// committed, the list of logged calls that begin with what is being typed, and the hold of
// the first key typed after a duplicate.
#include <optional>
#include <string>
#include <string_view>

#include "core/contact_log.h"
#include "platform/clock.h"

namespace topband {

struct Duplicate {
    int recordNumber = 0;
    std::string message;  // "Duplicate K1ABC CT 2026/12/05 22:01:07  Rec#  12"
};

// The first contact logged with the call in the field, letter case aside, and the message
// line that names it; nothing when the call is new.
std::optional<Duplicate> findDuplicate(const ContactLog& log, std::string_view callField);

struct PartialDupeResult {
    std::string list;     // the calls for the partial list, newest match first; empty when none
    std::string message;  // the new text of the message line
    bool beep = false;
};

// One key typed into the call field. `fieldBeforeKey` is the field's text without the key,
// `key` the key's character code after upper-casing (0 when the key was consumed). Only
// the characters "." to "Z" build a list, and the list stops growing once it is longer
// than 100 characters.
PartialDupeResult partialDupeScan(const ContactLog& log, std::string_view fieldBeforeKey, int key, bool partialDupesOn);

// Whether the first key typed after the duplicate found at `dupeTime` may take effect: the
// local clock, read to the second, must show a time later than three seconds after it.
// A clock set back past the duplicate ends the hold at once instead of holding keys until
// it has caught up again.
bool dupeHoldOver(const CivilTime& dupeTime, const CivilTime& localNow);

}  // namespace topband
