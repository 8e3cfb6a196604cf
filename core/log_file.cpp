#include "core/log_file.h"

#include <algorithm>

#include "core/record_file.h"

namespace topband {
namespace {

constexpr const char* kRefusedField = "A field holds a double quote or a line break and cannot be stored";
constexpr int kLogFields = 7;

std::string lineFieldCount(int fields) {
    return "the line holds " + std::to_string(fields) + (fields == 1 ? " field" : " fields") + ", not " +
           std::to_string(kLogFields);
}

void writeRecord(RecordWriter& writer, const Contact& c) {
    writer.text(c.call)
        .text(c.reportReceived)
        .text(c.section)
        .text(c.reportSent)
        .text(c.country)
        .text(c.date)
        .text(c.time);
    writer.endRecord();
}

}  // namespace

std::optional<std::vector<Contact>> parseLog(std::string_view content, std::string& error) {
    content = withoutByteOrderMark(content);
    RecordReader reader(content);
    std::vector<Contact> records;
    // One record a line at most: reserving up front spares a full log many reallocations.
    const auto lines = static_cast<std::size_t>(std::count(content.begin(), content.end(), '\n')) + 1;
    records.reserve(std::min(lines, static_cast<std::size_t>(MaxContacts)));
    const auto refuse = [&](const std::string& why) {
        error = "record " + std::to_string(records.size() + 1) + ", " + why;
        return std::nullopt;
    };
    const auto refuseLine = [&](const std::string& why) {
        return refuse("line " + std::to_string(reader.line()) + ": " + why);
    };
    while (!reader.atEnd()) {
        Contact c;
        int fields = 0;
        for (std::string* field :
             {&c.call, &c.reportReceived, &c.section, &c.reportSent, &c.country, &c.date, &c.time}) {
            // A record is one line: a line that ends early is refused rather than completed from
            // the next line, which would shift every later record.
            if (fields > 0 && reader.lineEnded()) return refuseLine(lineFieldCount(fields));
            auto value = reader.text();
            if (!value) return refuse(reader.error());
            // A quoted field cannot hold a quote, so this one stood bare in the line.
            if (value->find('"') != std::string::npos)
                return refuseLine("field " + std::to_string(fields + 1) + " holds a double quote");
            *field = std::move(*value);
            if (++fields == 1 && records.size() >= static_cast<std::size_t>(MaxContacts))
                return refuseLine("a log holds at most " + std::to_string(MaxContacts) + " records");
        }
        while (!reader.lineEnded()) {
            if (!reader.text()) return refuseLine("the line holds more than " + std::to_string(kLogFields) + " fields");
            ++fields;
        }
        if (fields > kLogFields) return refuseLine(lineFieldCount(fields));
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
