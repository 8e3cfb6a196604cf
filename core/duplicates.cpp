#include "core/duplicates.h"

#include <vector>

namespace topband {
namespace {

constexpr std::size_t kListLimit = 100;

// Keys "." to "Z": digits, "/", capital letters and a few signs.
bool buildsList(int key) { return key > 45 && key < 91; }

bool isDigitOrSlash(char c) { return c == '/' || (c >= '0' && c <= '9'); }

}  // namespace

std::optional<Duplicate> findDuplicate(const ContactLog& log, std::string_view callField) {
    const int number = log.firstRecordWithCall(callField);
    if (number == 0) return std::nullopt;
    const Contact& c = log.record(number);
    std::string message = "Duplicate ";
    for (const std::string* field : {&c.call, &c.section, &c.date}) message.append(*field).append(" ");
    // Two blanks after "Rec#": its own and the one written before a non-negative number.
    message.append(c.time).append("  Rec#  ").append(std::to_string(number));
    return Duplicate{number, std::move(message)};
}

PartialDupeResult partialDupeScan(const ContactLog& log, std::string_view fieldBeforeKey, int key,
                                  bool partialDupesOn) {
    PartialDupeResult result;
    if (!buildsList(key)) return result;
    std::string typed(fieldBeforeKey);
    typed += static_cast<char>(key);
    if (partialDupesOn) {
        // The list reads newest match first but holds the oldest matches: collect in log
        // order until the text would be long enough, then write it backwards.
        std::vector<int> matches;
        std::size_t length = 0;
        for (int r = log.nextRecordStartingWith(typed, 0); r != 0 && length <= kListLimit;
             r = log.nextRecordStartingWith(typed, r)) {
            matches.push_back(r);
            length += log.record(r).call.size() + 1;
        }
        result.list.reserve(length);
        for (auto r = matches.rbegin(); r != matches.rend(); ++r) result.list.append(log.record(*r).call).append(" ");
    }
    // The check of the third character has the last word over the warning.
    if (typed.size() == 3) {
        const bool numeric = isDigitOrSlash(typed[1]) || isDigitOrSlash(typed[2]);
        result.beep = !numeric;
        result.message = numeric ? " " : "The second or third character is not numeric!";
    } else if (!result.list.empty() && fieldBeforeKey.size() > 2) {
        result.message = "Possible Duplicate!";
    }
    return result;
}

bool dupeHoldOver(const CivilTime& dupeTime, const CivilTime& localNow) {
    const std::int64_t found = secondsOf(dupeTime);
    const std::int64_t now = secondsOf(localNow);
    return now > found + 3 || now < found;
}

}  // namespace topband
