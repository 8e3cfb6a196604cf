#pragma once
// The recent-contacts list as rows of text, and the whole-log changes made from it.
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "core/contact_log.h"

namespace topband {

inline constexpr int kRecentContactCount = 20;

// The record numbers the list shows, newest first: every record, or the last 20.
std::vector<int> shownRecordNumbers(int contactCount, bool listAll);

// The eight columns of a row: record number, call, received, section, sent, date "mm/dd",
// time "hh:mm", country. A date or time that does not read as one is shown as stored.
std::array<std::string, 8> listColumns(int recordNumber, const Contact& contact);

// How many records other than `recordNumber` carry `call`, letter case aside.
int otherRecordsWithCall(const ContactLog& log, int recordNumber, std::string_view call);

// The log's records with one record replaced or removed; record numbers start at 1.
std::vector<Contact> withRecordReplaced(const ContactLog& log, int recordNumber, Contact replacement);
std::vector<Contact> withRecordRemoved(const ContactLog& log, int recordNumber);

}  // namespace topband
