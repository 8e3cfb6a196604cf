#pragma once
// The rules of the entry fields, apart from the widgets: which characters each field holds,
// where a typed key goes (the exchange is typed without Tab or Space: a key that cannot belong
// to a field is passed on to the next), which fields a commit needs, and the completion of a
// country name. The windows only move text, focus and labels as these rules decide.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/prefix_table.h"

namespace topband {

enum class EntryField { Call, ReportReceived, Section, ReportSent, Country, PostContestTime, PostContestDate };

// Field codes of EntryState::ForwardTarget: the field that takes a key passed on.
inline constexpr std::uint8_t kToNone = 0;
inline constexpr std::uint8_t kToReportSent = 1;
inline constexpr std::uint8_t kToCountry = 2;
inline constexpr std::uint8_t kToSection = 3;
inline constexpr std::uint8_t kToReportReceived = 4;

// The ForwardTarget code of a field that takes passed-on keys; kToNone for the others.
constexpr std::uint8_t forwardTargetOf(EntryField field) {
    switch (field) {
        case EntryField::ReportReceived: return kToReportReceived;
        case EntryField::Section: return kToSection;
        case EntryField::ReportSent: return kToReportSent;
        case EntryField::Country: return kToCountry;
        default: return kToNone;
    }
}

inline constexpr const char* kDefaultReport = "599";

// The character `field` holds for `c`, or 0 when the field drops it. One rule for a typed key
// and for text that arrives without keys (pasted, dropped, set by code): the call takes
// A-Z (letters upper-cased), 0-9 and "/"; a report digits; the section A-Z (letters
// upper-cased) and 0-9; the country printable ASCII but the double quote, which the log file
// cannot hold; the post-contest time digits and ":", the date digits and "/". Nothing outside
// ASCII gets in.
char16_t fieldCharacter(EntryField field, char16_t c);

// The key as `field` types it: Backspace passes, another key as fieldCharacter keeps it,
// 0 when dropped.
int fieldKey(EntryField field, int keyAscii);

// Upper-cases a typed letter in place; every other key passes unchanged.
void Capital(int& keyAscii);

// A call is complete once a digit from its second character on is followed by more
// characters and nothing but letters and digits stands after the first: a further digit then
// starts the report.
bool completeCall(std::string_view call);

// What a field's key handler does with a typed key.
enum class KeyAction {
    Type,        // type `key` into this field (0: drop it)
    PassOn,      // pass `key` on to the field `target`, which takes it as its new text
    MoveOn,      // drop the key and move the focus to the next field of the exchange
    Commit,      // Enter: commit the contact
    ClearEntry,  // Esc: empty the entry
};
struct KeyDecision {
    KeyAction action = KeyAction::Type;
    int key = 0;
    std::uint8_t target = kToNone;
    friend bool operator==(const KeyDecision&, const KeyDecision&) = default;
};

// The text of the field the key was typed into, and where the key lands.
struct FieldView {
    std::string text;
    int cursor = 0;  // the insertion point
    bool hasSelection = false;
};

// Where a key typed into `field` goes. The call passes a digit on to the report received once
// the call is complete (typed at its end); the reports pass on what is not a digit (the
// section follows the report received, the country the report sent); the section passes on
// digits and signs to the report sent. Space moves on (in the country only at its start;
// elsewhere in a country name it is a blank). Enter commits and Esc empties the entry from
// every field.
KeyDecision entryKeyDecision(EntryField field, int keyAscii, const FieldView& view);

// The five fields a commit checks.
struct EntryFields {
    std::string call;
    std::string reportReceived;
    std::string section;
    std::string reportSent;
    std::string country;
};
struct MissingField {
    const char* message;
    EntryField field;  // the field the focus goes to
};
// A station at sea or in the air (/MM, /AM) has no country; every other contact needs one.
bool needsCountry(std::string_view call);
// The country a contact is stored with: none for a station at sea or in the air, whatever
// was typed, so it never counts as a multiplier.
std::string storedCountry(std::string_view call, std::string_view country);

// The commit's required-field checks (frmcmp), each reading the fields as the operator left
// them; when several fail, the last of them is reported. A country is missing when it is
// empty, "Not Found" or none of the table's countries, unless the call needs none (a table
// without rows knows no countries and refuses none).
std::optional<MissingField> missingEntryField(const EntryFields& fields, const PrefixTable& table);

// A country name completed from the prefix table as it is typed.
struct CountryCompletion {
    std::string text;         // the country as the table spells it
    std::size_t typedLength;  // the part typed; the rest is offered selected
    const PrefixRow* row;     // the country's own row (not a call area's): continent and position
};
// Completes `typed` (the text before the insertion point plus the key) with the last row whose
// country begins with it, without regard to letter case. Nothing when no country does.
std::optional<CountryCompletion> completeCountry(const PrefixTable& table, std::string_view typed);

// Whether typing into a country field starts the name afresh: the field is empty, or the key
// lands at its start. A fresh name begins with a capital.
bool countryStartsAfresh(const FieldView& view);

}  // namespace topband
