#pragma once
// The quoted-field record format of the log, the preferences and the settings files:
// text fields in double quotes without escaping, numbers bare with "." as decimal
// separator, truth values #TRUE# / #FALSE#, fields separated by commas, records by CR LF.
// Reading is field by field: a comma or a line end ends a field, blanks around a field are
// ignored, empty lines are skipped and LF alone is accepted as a line end.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace topband {

class RecordReader {
public:
    explicit RecordReader(std::string_view content) : content_(content) {}

    // True when only blanks and line ends remain.
    bool atEnd();
    // Each read returns nothing when the field is missing or does not convert; error() says why.
    std::optional<std::string> text();
    std::optional<double> number();
    std::optional<std::int64_t> integer(std::int64_t low, std::int64_t high);
    std::optional<bool> truth();

    // 1-based line of the field read last.
    int line() const { return fieldLine_; }
    // True when the field read last ended its line (or the content) rather than a comma.
    bool lineEnded() const { return !fieldExpected_; }
    const std::string& error() const { return error_; }

private:
    std::optional<std::string_view> nextField();
    void skipBlanks();
    void skipEmptyLines();
    bool fail(std::string why);
    bool failAt(int line, std::string why);

    std::string_view content_;
    std::size_t pos_ = 0;
    int currentLine_ = 1;
    int fieldLine_ = 0;
    bool atLineStart_ = true;
    bool fieldExpected_ = false;  // a comma has promised one more field
    std::string error_;
};

class RecordWriter {
public:
    // A text holding a double quote, CR or LF would break its record: it is refused and
    // the writer reports failure from ok().
    RecordWriter& text(std::string_view value);
    RecordWriter& number(float value);
    RecordWriter& integer(std::int64_t value);
    RecordWriter& truth(bool value);
    RecordWriter& endRecord();

    bool ok() const { return refused_.empty(); }
    const std::string& refusedText() const { return refused_; }
    const std::string& content() const { return content_; }

private:
    void separate();

    std::string content_;
    std::string refused_;
    bool recordStarted_ = false;
};

// True when the text can stand in a quoted field.
bool fitsQuotedField(std::string_view value);

// The content without a leading UTF-8 byte-order mark, which some editors put before the first line.
std::string_view withoutByteOrderMark(std::string_view content);

}  // namespace topband
