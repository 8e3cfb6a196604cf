#include "core/recent_contacts.h"

#include <algorithm>

#include "core/hand_typed_time.h"
#include "core/letter_case.h"
#include "core/one_based.h"

namespace topband {

std::vector<int> shownRecordNumbers(int contactCount, bool listAll) {
    const int first = listAll ? 1 : std::max(1, contactCount - (kRecentContactCount - 1));
    std::vector<int> numbers;
    for (int i = contactCount; i >= first; --i) numbers.push_back(i);
    return numbers;
}

std::array<std::string, 8> listColumns(int recordNumber, const Contact& contact) {
    const auto date = storedDateFromTyped(contact.date);
    const auto time = storedTimeFromTyped(contact.time, false);
    return {std::to_string(recordNumber), contact.call,
            contact.reportReceived,       contact.section,
            contact.reportSent,           date ? date->substr(5) : contact.date,
            time ? *time : contact.time,  contact.country};
}

int otherRecordsWithCall(const ContactLog& log, int recordNumber, std::string_view call) {
    int count = 0;
    for (int i = 1; i <= log.ContactCount(); ++i)
        if (i != recordNumber && equalsIgnoringCase(log.record(i).call, call)) ++count;
    return count;
}

std::vector<Contact> withRecordReplaced(const ContactLog& log, int recordNumber, Contact replacement) {
    std::vector<Contact> records = log.records();
    oneBased(records, recordNumber) = std::move(replacement);
    return records;
}

std::vector<Contact> withRecordRemoved(const ContactLog& log, int recordNumber) {
    std::vector<Contact> records = log.records();
    (void)oneBased(records, recordNumber);  // refuses a number outside the log
    records.erase(records.begin() + (recordNumber - 1));
    return records;
}

}  // namespace topband
