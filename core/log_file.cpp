#include "core/log_file.h"

#include <algorithm>

#include "core/record_file.h"

namespace topband {
namespace {

constexpr const char* kRefusedField = "A field holds a double quote or a line break and cannot be stored";

void writeRecord(RecordWriter& writer, const Contact& c) {
    writer.text(c.call).text(c.reportReceived).text(c.section).text(c.reportSent).text(c.country).text(c.date).text(c.time);
    writer.endRecord();
}

}  // namespace

std::optional<std::vector<Contact>> parseLog(std::string_view content, std::string& error) {
    RecordReader reader(content);
    std::vector<Contact> records;
    // One record a line at most: reserving up front spares a full log many reallocations.
    const auto lines = static_cast<std::size_t>(std::count(content.begin(), content.end(), '\n')) + 1;
    records.reserve(std::min(lines, static_cast<std::size_t>(MaxContacts)));
    while (!reader.atEnd()) {
        if (records.size() >= static_cast<std::size_t>(MaxContacts)) {
            error = "more than " + std::to_string(MaxContacts) + " records";
            return std::nullopt;
        }
        Contact c;
        for (std::string* field : {&c.call, &c.reportReceived, &c.section, &c.reportSent, &c.country, &c.date, &c.time}) {
            auto value = reader.text();
            if (!value) {
                error = "record " + std::to_string(records.size() + 1) + ", " + reader.error();
                return std::nullopt;
            }
            *field = std::move(*value);
        }
        records.push_back(std::move(c));
    }
    return records;
}

std::optional<std::string> formatLogRecord(const Contact& contact) {
    RecordWriter writer;
    writeRecord(writer, contact);
    if (!writer.ok()) return std::nullopt;
    return writer.content();
}

IoResult appendToLog(Files& files, const std::string& path, const Contact& contact) {
    auto line = formatLogRecord(contact);
    if (!line) return IoResult::failure(kRefusedField);
    const auto last = files.lastByte(path);
    if (last && *last != '\n') line->insert(0, "\r\n");
    return files.appendSynced(path, *line);
}

IoResult rewriteLog(Files& files, const std::string& path, const std::vector<Contact>& records) {
    RecordWriter writer;
    for (const Contact& c : records) writeRecord(writer, c);
    if (!writer.ok()) return IoResult::failure(kRefusedField);
    return files.replaceAtomically(path, writer.content());
}

}  // namespace topband
