#include "core/sections.h"

#include <algorithm>
#include <array>
#include <functional>

#include "core/letter_case.h"
#include "core/number_text.h"
#include "core/one_based.h"
#include "core/worked_countries.h"

namespace topband {
namespace {

constexpr std::array<std::string_view, 11> kGroups = {"1", "2", "3", "4", "5", "6", "7", "8", "9", "0", "Canada"};

struct BuiltIn {
    std::string_view abbreviation;
    std::string_view name;
    std::string_view group;
};

// Kept equal to data/sections.txt, which the operator may edit when sections change again.
constexpr BuiltIn kBuiltIn[] = {
    {"CT", "Connecticut", "1"},
    {"EMA", "East Massachusetts", "1"},
    {"ME", "Maine", "1"},
    {"NH", "New Hampshire", "1"},
    {"RI", "Rhode Island", "1"},
    {"VT", "Vermont", "1"},
    {"WMA", "West Massachusetts", "1"},
    {"NNY", "North New York", "2"},
    {"ENY", "East New York", "2"},
    {"NLI", "NY Long Island", "2"},
    {"NNJ", "North New Jersey", "2"},
    {"SNJ", "South New Jersey", "2"},
    {"WNY", "West New York", "2"},
    {"DE", "Delaware", "3"},
    {"EPA", "East Pennsylvania", "3"},
    {"MDC", "Maryland-DC", "3"},
    {"WPA", "West Pennsylvania", "3"},
    {"AL", "Alabama", "4"},
    {"GA", "Georgia", "4"},
    {"KY", "Kentucky", "4"},
    {"NC", "North Carolina", "4"},
    {"NFL", "North Florida", "4"},
    {"SC", "South Carolina", "4"},
    {"SFL", "South Florida", "4"},
    {"WCF", "West Central Florida", "4"},
    {"TN", "Tennessee", "4"},
    {"VA", "Virginia", "4"},
    {"PR", "Puerto Rico", "4"},
    {"VI", "Virgin Islands", "4"},
    {"AR", "Arkansas", "5"},
    {"LA", "Louisiana", "5"},
    {"MS", "Mississippi", "5"},
    {"NM", "New Mexico", "5"},
    {"NTX", "North Texas", "5"},
    {"OK", "Oklahoma", "5"},
    {"STX", "South Texas", "5"},
    {"WTX", "West Texas", "5"},
    {"EB", "East Bay", "6"},
    {"LAX", "Los Angeles", "6"},
    {"ORG", "Orange", "6"},
    {"SB", "Santa Barbara", "6"},
    {"SCV", "Santa Clara Valley", "6"},
    {"SDG", "San Diego", "6"},
    {"SF", "San Francisco", "6"},
    {"SJV", "San Joaquin Valley", "6"},
    {"SV", "Sacramento Valley", "6"},
    {"PAC", "Pacific", "6"},
    {"AZ", "Arizona", "7"},
    {"EWA", "East Washington", "7"},
    {"ID", "Idaho", "7"},
    {"MT", "Montana", "7"},
    {"NV", "Nevada", "7"},
    {"OR", "Oregon", "7"},
    {"UT", "Utah", "7"},
    {"WWA", "West Washington", "7"},
    {"WY", "Wyoming", "7"},
    {"AK", "Alaska", "7"},
    {"MI", "Michigan", "8"},
    {"OH", "Ohio", "8"},
    {"WV", "West Virginia", "8"},
    {"IL", "Illinois", "9"},
    {"IN", "Indiana", "9"},
    {"WI", "Wisconsin", "9"},
    {"CO", "Colorado", "0"},
    {"IA", "Iowa", "0"},
    {"KS", "Kansas", "0"},
    {"MN", "Minnesota", "0"},
    {"MO", "Missouri", "0"},
    {"NE", "Nebraska", "0"},
    {"ND", "North Dakota", "0"},
    {"SD", "South Dakota", "0"},
    {"AB", "Alberta", "Canada"},
    {"BC", "British Columbia", "Canada"},
    {"GH", "Golden Horseshoe", "Canada"},
    {"MB", "Manitoba", "Canada"},
    {"NB", "New Brunswick", "Canada"},
    {"NL", "Newfoundland-Labrador", "Canada"},
    {"NS", "Nova Scotia", "Canada"},
    {"ONE", "Ontario East", "Canada"},
    {"ONN", "Ontario North", "Canada"},
    {"ONS", "Ontario South", "Canada"},
    {"PE", "Prince Edward Island", "Canada"},
    {"QC", "Quebec", "Canada"},
    {"SK", "Saskatchewan", "Canada"},
    {"TER", "Territories", "Canada"},
    {"YT", "Yukon", "Canada"},
};

// Sections RAC has retired, with what an operator should log instead. Consulted only when
// the table lacks the abbreviation, so a table that still holds one accepts it.
struct Retired {
    std::string_view abbreviation;
    std::string_view message;
};
constexpr Retired kRetired[] = {
    {"MAR", "MAR is now NB, NS or PE"},
    {"GTA", "GTA is now GH"},
    {"NT", "NT is now TER or YT"},
};

constexpr std::string_view kInvalidSection = "Invalid Section!";

}  // namespace

std::string_view canonicalSectionGroup(std::string_view group) {
    const auto found =
        std::find_if(kGroups.begin(), kGroups.end(), [&](std::string_view g) { return equalsIgnoringCase(g, group); });
    return found == kGroups.end() ? std::string_view() : *found;
}

std::vector<Section> builtInSections() {
    std::vector<Section> sections;
    sections.reserve(std::size(kBuiltIn));
    for (const BuiltIn& s : kBuiltIn)
        sections.push_back({std::string(s.abbreviation), std::string(s.name), std::string(s.group)});
    return sections;
}

std::size_t SectionTable::FoldedHash::operator()(std::string_view key) const {
    std::size_t hash = 14695981039346656037u;  // FNV-1a over the upper-cased letters
    for (const char c : key) hash = (hash ^ static_cast<unsigned char>(upperAscii(c))) * 1099511628211u;
    return hash;
}

bool SectionTable::FoldedEqual::operator()(std::string_view a, std::string_view b) const {
    return equalsIgnoringCase(a, b);
}

SectionTable::SectionTable(std::vector<Section> sections)
    : sections_(std::move(sections)), worked_(sections_.size(), false) {
    for (std::size_t i = 0; i < sections_.size(); ++i) {
        const int index = static_cast<int>(i) + 1;
        indexByAbbr_.try_emplace(sections_[i].abbreviation, index);  // the first entry wins
        const auto heading = std::find_if(groups_.begin(), groups_.end(),
                                          [&](const SectionGroup& g) { return g.heading == sections_[i].group; });
        if (heading == groups_.end())
            groups_.push_back({sections_[i].group, {index}});
        else
            heading->sections.push_back(index);
    }
}

int SectionTable::find(std::string_view abbreviation) const {
    const auto found = indexByAbbr_.find(abbreviation);
    return found == indexByAbbr_.end() ? 0 : found->second;
}

bool SectionTable::markWorked(std::string_view abbreviation) {
    const int index = find(abbreviation);
    if (index == 0 || isWorked(index)) return false;
    oneBased(worked_, index) = true;
    ++sectionsWorked_;
    return true;
}

void SectionTable::clearWorked() {
    std::fill(worked_.begin(), worked_.end(), false);
    sectionsWorked_ = 0;
}

void SectionTable::rebuild(const std::vector<Contact>& records) {
    clearWorked();
    for (const Contact& c : records) markWorked(c.section);
}

SectionVerdict SectionTable::CheckSection(std::string_view sectionField, std::string_view countryField) const {
    if (sectionField.empty()) return {};
    if (!isWVeCountry(countryField)) return {true, std::string(kInvalidSection)};
    if (find(sectionField) != 0) return {};
    for (const Retired& r : kRetired)
        if (equalsIgnoringCase(sectionField, r.abbreviation)) return {true, std::string(r.message)};
    return {true, std::string(kInvalidSection)};
}

std::string SectionTable::hoverText(int index, const std::vector<Contact>& records) const {
    const std::string& abbreviation = SectionAbbr(index);
    const auto contacts = std::count_if(records.begin(), records.end(),
                                        [&](const Contact& c) { return equalsIgnoringCase(c.section, abbreviation); });
    // The count can never be negative, so the signed conversion is always its leading blank.
    return " " + SectionName(index) + "    Total = " + formatInteger(contacts);
}

std::string sectionsWorkedText(int sectionsWorked) { return "Sections Worked: " + formatInteger(sectionsWorked); }

}  // namespace topband
