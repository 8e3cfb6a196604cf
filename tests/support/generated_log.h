#pragma once
// A made-up log for the tests and the benchmarks: the same contacts on every run and machine.
#include <cstdio>
#include <string>
#include <vector>

#include "core/contact_log.h"
#include "core/log_file.h"
#include "core/sections.h"

namespace topband::testing {

// `count` contacts with distinct calls (G0AA, K1AA, .. K9AA, K0BA, ..), one second apart from
// 00:00:00 UTC on 2026/12/05. Every seventh is a DX station from a round of six countries;
// the others are W/VE stations with the sections of `sections` in turn, in Canada for the
// Canadian sections and in the USA for the rest.
inline std::vector<Contact> generatedLog(const SectionTable& sections, int count) {
    static constexpr const char* kDxCountries[] = {"England", "Japan", "Germany", "Italy", "Spain", "Brazil"};
    std::vector<Contact> records;
    records.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        const bool dx = i % 7 == 0;
        // The digit, then i / 10 in letters, lowest first, filled up to four characters.
        std::string call = (dx ? "G" : "K") + std::to_string(i % 10);
        for (int n = i / 10; n > 0 || call.size() < 4; n /= 26) call += static_cast<char>('A' + n % 26);
        const int index = 1 + i % sections.SectionCount();
        const std::string section = dx ? "" : sections.SectionAbbr(index);
        const std::string country = dx ? kDxCountries[i % 6] : sections.group(index) == "Canada" ? "Canada" : "USA";
        char time[16];
        std::snprintf(time, sizeof time, "%02d:%02d:%02d", i / 3600 % 24, i / 60 % 60, i % 60);
        records.push_back({std::move(call), "599", section, "599", country, "2026/12/05", time});
    }
    return records;
}

// The log file text of the contacts, one record after the other.
inline std::string logFileText(const std::vector<Contact>& records) {
    std::string text;
    for (const Contact& contact : records) text += formatLogRecord(contact).value();
    return text;
}

}  // namespace topband::testing
