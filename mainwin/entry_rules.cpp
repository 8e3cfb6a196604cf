#include "mainwin/entry_rules.h"

#include "core/letter_case.h"
#include "core/prefix_lookup.h"
#include "core/worked_countries.h"
#include "window/key_codes.h"

namespace topband {
namespace {

constexpr bool isDigit(char16_t c) { return c >= u'0' && c <= u'9'; }
constexpr bool isCapital(char16_t c) { return c >= u'A' && c <= u'Z'; }
// What a quoted record can hold: printable ASCII but the double quote.
constexpr bool isPrintableAscii(char16_t c) { return c >= u' ' && c < 0x7F && c != u'"'; }
constexpr char16_t capital(char16_t c) { return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - u'a' + u'A') : c; }

KeyDecision type(int key) { return {KeyAction::Type, key, kToNone}; }
KeyDecision passOn(int key, std::uint8_t target) { return {KeyAction::PassOn, key, target}; }
KeyDecision action(KeyAction what) { return {what, kNoKey, kToNone}; }

bool atEndWithoutSelection(const FieldView& view) {
    return !view.hasSelection && view.cursor == static_cast<int>(view.text.size());
}

}  // namespace

char16_t fieldCharacter(EntryField field, char16_t c) {
    switch (field) {
        case EntryField::Call: {
            const char16_t upper = capital(c);
            return isCapital(upper) || isDigit(upper) || upper == u'/' ? upper : 0;
        }
        case EntryField::ReportReceived:
        case EntryField::ReportSent: return isDigit(c) ? c : 0;
        case EntryField::Section: {
            const char16_t upper = capital(c);
            return isCapital(upper) || isDigit(upper) ? upper : 0;
        }
        case EntryField::Country: return isPrintableAscii(c) ? c : 0;
        case EntryField::PostContestTime: return isDigit(c) || c == u':' ? c : 0;
        case EntryField::PostContestDate: return isDigit(c) || c == u'/' ? c : 0;
    }
    return 0;
}

int fieldKey(EntryField field, int keyAscii) {
    if (keyAscii == kBackspace) return keyAscii;
    if (keyAscii <= 0 || keyAscii > 0xFFFF) return kNoKey;
    return fieldCharacter(field, static_cast<char16_t>(keyAscii));
}

void Capital(int& keyAscii) { keyAscii = capitalKey(keyAscii); }

bool completeCall(std::string_view call) {
    int lastDigit = -1;
    for (std::size_t i = 1; i < call.size(); ++i) {
        const char c = call[i];
        if (c < '0') return false;
        if (c <= '9') lastDigit = static_cast<int>(i);
    }
    return call.size() > 2 && lastDigit >= 1 && lastDigit < static_cast<int>(call.size()) - 1;
}

KeyDecision entryKeyDecision(EntryField field, int keyAscii, const FieldView& view) {
    if (keyAscii == kEnter) return action(KeyAction::Commit);
    if (keyAscii == kEscape) return action(KeyAction::ClearEntry);
    switch (field) {
        case EntryField::Call:
            if (isDigitKey(keyAscii) && atEndWithoutSelection(view) && completeCall(view.text))
                return passOn(keyAscii, kToReportReceived);
            break;
        case EntryField::ReportReceived:
            if (keyAscii > '9') return passOn(keyAscii, kToSection);
            break;
        case EntryField::Section:
            if (keyAscii > kBlank && keyAscii <= '9' && keyAscii != kQuote) return passOn(keyAscii, kToReportSent);
            break;
        case EntryField::ReportSent:
            if (keyAscii > '9') return passOn(capitalKey(keyAscii), kToCountry);
            break;
        case EntryField::Country:
            // Inside a country name a blank is part of it.
            if (keyAscii == kBlank && view.cursor != 0) return type(keyAscii);
            break;
        case EntryField::PostContestTime:
        case EntryField::PostContestDate: break;
    }
    if (keyAscii == kBlank) return action(KeyAction::MoveOn);
    return type(fieldKey(field, keyAscii));
}

bool needsCountry(std::string_view call) { return !isMobileAtSeaOrInAir(call); }

std::string storedCountry(std::string_view call, std::string_view country) {
    return needsCountry(call) ? std::string(country) : std::string();
}

std::optional<MissingField> missingEntryField(const EntryFields& fields, const PrefixTable& table) {
    const bool needsSection = isWVeCountry(fields.country) && fields.section.empty();
    // "Not Found" is what the lookup shows for an unknown prefix, and text the table does not
    // know as a country ("559" typed on past the report) would count as a multiplier.
    const bool unknownCountry = table.PrefixCount() > 0 && table.countryRow(fields.country) == nullptr;
    const bool countryMissing =
        needsCountry(fields.call) &&
        (fields.country.empty() || equalsIgnoringCase(fields.country, kNotFound) || unknownCountry);
    const struct {
        bool fails;
        MissingField missing;
    } checks[] = {
        {needsSection, {"Need Section!", EntryField::Section}},
        {fields.reportReceived.empty(), {"Report Received!", EntryField::ReportReceived}},
        {fields.call.size() < 3, {"Need Call Sign!", EntryField::Call}},
        {countryMissing, {"Need Country!", EntryField::Country}},
        {fields.reportSent.empty(), {"Need Report Sent!", EntryField::ReportSent}},
    };
    std::optional<MissingField> last;
    for (const auto& check : checks)
        if (check.fails) last = check.missing;
    return last;
}

std::optional<CountryCompletion> completeCountry(const PrefixTable& table, std::string_view typed) {
    if (typed.empty()) return std::nullopt;
    for (int rowNumber = table.PrefixCount(); rowNumber >= 1; --rowNumber) {
        const PrefixRow& row = table.row(rowNumber);
        if (startsWithIgnoringCase(row.country, typed))
            return CountryCompletion{row.country, typed.size(), table.countryRow(row.country)};
    }
    return std::nullopt;
}

bool countryStartsAfresh(const FieldView& view) { return view.text.empty() || view.cursor == 0; }

}  // namespace topband
