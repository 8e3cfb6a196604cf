#include "core/contact_log.h"

namespace topband {

bool ContactLog::add(Contact contact) {
    if (full()) return false;
    records_.push_back(std::move(contact));
    return true;
}

void ContactLog::replaceAll(std::vector<Contact> records) { records_ = std::move(records); }

}  // namespace topband
