#pragma once
// The contest log in memory: records numbered 1..ContactCount in the order they were logged.
#include <string>
#include <vector>

namespace topband {

// One contact; the fields in the order of the log file.
struct Contact {
    std::string call;
    std::string reportReceived;
    std::string section;
    std::string reportSent;
    std::string country;
    std::string date;  // UTC "yyyy/mm/dd"
    std::string time;  // UTC "hh:mm:ss", or "hh:mm" when logged after the contest
    friend bool operator==(const Contact&, const Contact&) = default;
};

inline constexpr int MaxContacts = 11000;

class ContactLog {
public:
    int ContactCount() const { return static_cast<int>(records_.size()); }
    bool full() const { return ContactCount() >= MaxContacts; }
    // Record numbers start at 1.
    const Contact& record(int recordNumber) const { return records_.at(static_cast<std::size_t>(recordNumber - 1)); }
    // Stores the contact as record ContactCount + 1; false when the log is full.
    bool add(Contact contact);
    void replaceAll(std::vector<Contact> records);
    void clear() { records_.clear(); }
    const std::vector<Contact>& records() const { return records_; }

private:
    std::vector<Contact> records_;
};

}  // namespace topband
