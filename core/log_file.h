#pragma once
// The log file: one quoted record of seven fields per contact, CR LF after each.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/contact_log.h"
#include "platform/files.h"

namespace topband {

inline constexpr const char* kLogFileName = "Log.txt";

// All records of a log file, one a line; a leading byte-order mark is skipped. Nothing, with
// `error` naming the record, the line and what is wrong, when a line does not hold exactly seven
// fields, a field is damaged or cut by the end of the file, or there are more than MaxContacts.
std::optional<std::vector<Contact>> parseLog(std::string_view content, std::string& error);

// The record as one line with CR LF; nothing when a field holds a double quote, CR or LF.
std::optional<std::string> formatLogRecord(const Contact& contact);

// Appends one record and syncs; starts a new line first when the file does not end with one.
IoResult appendToLog(Files& files, const std::string& path, const Contact& contact);

// Rewrites the whole file from the records, atomically.
IoResult rewriteLog(Files& files, const std::string& path, const std::vector<Contact>& records);

}  // namespace topband
