#pragma once
// The contest log in memory: records numbered 1..ContactCount in the order they were logged.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/one_based.h"

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
    const Contact& record(int recordNumber) const { return oneBased(records_, recordNumber); }
    // Stores the contact as record ContactCount + 1; false when the log is full.
    bool add(Contact contact);
    void replaceAll(std::vector<Contact> records);
    void clear();
    const std::vector<Contact>& records() const { return records_; }

    // The first record whose call equals `call` without regard to case; 0 when there is none.
    int firstRecordWithCall(std::string_view call) const;
    // The first record after `afterRecord` whose call begins with `start` without regard to
    // case (a call shorter than `start` never does); 0 when there is none.
    int nextRecordStartingWith(std::string_view start, int afterRecord) const;

private:
    std::string_view upperCall(std::size_t index) const;
    // The slot of the table that holds the upper-cased call, or the empty slot where it belongs.
    std::size_t slotOf(std::string_view upper) const;
    void indexCall(const std::string& call);

    std::vector<Contact> records_;
    // The duplicate checks run on every keystroke over the whole log, so the calls are kept
    // a second time in the layout the scans want: upper-cased back to back, with the first
    // four characters of each packed into one word that the prefix scan compares at once,
    // and an open-addressing table of the first record of each call. The log never holds
    // more than MaxContacts, so the table has a fixed size and never needs to grow.
    std::string upperCalls_;
    std::vector<std::size_t> callEnds_;
    std::vector<std::uint32_t> callHeads_;
    std::vector<int> firstRecordSlots_;  // record numbers; 0 marks an empty slot
};

}  // namespace topband
