#include "core/contact_log.h"

#include <algorithm>
#include <functional>

#include "core/letter_case.h"

namespace topband {
namespace {

constexpr std::size_t kHeadLength = sizeof(std::uint32_t);
// A power of two, kept at most half full.
constexpr std::size_t kSlotCount = 32768;
static_assert(kSlotCount >= 2 * static_cast<std::size_t>(MaxContacts));

// The first four characters of an upper-cased call in one word, zeros past a shorter call.
std::uint32_t packHead(std::string_view upper) {
    std::uint32_t head = 0;
    for (std::size_t i = 0; i < std::min(upper.size(), kHeadLength); ++i)
        head |= std::uint32_t{static_cast<unsigned char>(upper[i])} << (8 * i);
    return head;
}

// Whether any of a block of heads begins like `head`. A fixed count and no early exit let
// the compiler compare several heads per instruction, so blocks without a candidate, the
// usual case, cost a few instructions.
constexpr std::size_t kBlock = 64;
bool blockHasCandidate(const std::uint32_t* heads, std::uint32_t mask, std::uint32_t head) {
    std::uint32_t any = 0;
    for (std::size_t i = 0; i < kBlock; ++i) any |= static_cast<std::uint32_t>((heads[i] & mask) == head);
    return any != 0;
}

}  // namespace

bool ContactLog::add(Contact contact) {
    if (full()) return false;
    indexCall(contact.call);
    records_.push_back(std::move(contact));
    return true;
}

void ContactLog::replaceAll(std::vector<Contact> records) {
    clear();
    records_ = std::move(records);
    callEnds_.reserve(records_.size());
    callHeads_.reserve(records_.size());
    for (const Contact& c : records_) indexCall(c.call);
}

void ContactLog::clear() {
    records_.clear();
    upperCalls_.clear();
    callEnds_.clear();
    callHeads_.clear();
    std::fill(firstRecordSlots_.begin(), firstRecordSlots_.end(), 0);
}

std::string_view ContactLog::upperCall(std::size_t index) const {
    const std::size_t begin = index == 0 ? 0 : callEnds_[index - 1];
    return std::string_view(upperCalls_).substr(begin, callEnds_[index] - begin);
}

std::size_t ContactLog::slotOf(std::string_view upper) const {
    std::size_t slot = std::hash<std::string_view>{}(upper) & (kSlotCount - 1);
    for (;;) {
        const int number = firstRecordSlots_[slot];
        if (number == 0 || upperCall(static_cast<std::size_t>(number - 1)) == upper) return slot;
        slot = (slot + 1) & (kSlotCount - 1);
    }
}

void ContactLog::indexCall(const std::string& call) {
    const std::size_t index = callEnds_.size();
    std::transform(call.begin(), call.end(), std::back_inserter(upperCalls_), upperAscii);
    callEnds_.push_back(upperCalls_.size());
    const std::string_view upper = upperCall(index);
    callHeads_.push_back(packHead(upper));
    if (firstRecordSlots_.empty()) firstRecordSlots_.assign(kSlotCount, 0);
    // A call logged more than once keeps its earliest record.
    if (int& slot = firstRecordSlots_[slotOf(upper)]; slot == 0) slot = static_cast<int>(index + 1);
}

int ContactLog::firstRecordWithCall(std::string_view call) const {
    if (firstRecordSlots_.empty()) return 0;
    return firstRecordSlots_[slotOf(upperCased(call))];
}

int ContactLog::nextRecordStartingWith(std::string_view start, int afterRecord) const {
    const std::string upper = upperCased(start);
    const std::size_t headLength = std::min(upper.size(), kHeadLength);
    const std::uint32_t mask = headLength == kHeadLength ? ~std::uint32_t{0}
                                                         : (std::uint32_t{1} << (8 * headLength)) - 1;
    const std::uint32_t head = packHead(upper);
    const std::size_t count = callHeads_.size();
    for (auto block = static_cast<std::size_t>(std::max(afterRecord, 0)); block < count; block += kBlock) {
        const std::size_t end = std::min(block + kBlock, count);
        if (end - block == kBlock && !blockHasCandidate(&callHeads_[block], mask, head)) continue;
        for (std::size_t i = block; i < end; ++i)
            if ((callHeads_[i] & mask) == head && upperCall(i).starts_with(upper)) return static_cast<int>(i + 1);
    }
    return 0;
}

}  // namespace topband
