#pragma once
// The ARRL/RAC sections: the table read at start, which of them are worked, and the
// checks and texts built on it.
#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/contact_log.h"
#include "core/one_based.h"

namespace topband {

inline constexpr int MaxSections = 100;
inline constexpr std::size_t MaxSectionAbbrLength = 8;
inline constexpr std::size_t MaxSectionNameLength = 60;

struct Section {
    std::string abbreviation;
    std::string name;
    std::string group;  // call area "1" to "9", "0", or "Canada"
    friend bool operator==(const Section&, const Section&) = default;
};

// The group as spelled in the table ("canada" gives "Canada"); empty for an unknown group.
std::string_view canonicalSectionGroup(std::string_view group);

// The sections as they stand today, in display order; used when no table file can be read.
std::vector<Section> builtInSections();

// A group heading with the 1-based indices of its sections, in table order.
struct SectionGroup {
    std::string heading;
    std::vector<int> sections;
};

struct SectionVerdict {
    bool invalid = false;
    std::string message;  // for the message line; empty when the section is valid
};

class SectionTable {
public:
    SectionTable() : SectionTable(builtInSections()) {}
    // Takes the sections in display order. An abbreviation that stands twice is found at
    // its first entry; the file loader refuses such a table before it gets here.
    explicit SectionTable(std::vector<Section> sections);

    int SectionCount() const { return static_cast<int>(sections_.size()); }
    // Indices start at 1.
    const std::string& SectionAbbr(int index) const { return at(index).abbreviation; }
    const std::string& SectionName(int index) const { return at(index).name; }
    const std::string& group(int index) const { return at(index).group; }
    const std::vector<Section>& sections() const { return sections_; }
    // The headings in the order their first section appears, each with all its sections.
    const std::vector<SectionGroup>& groups() const { return groups_; }

    // The index of the first section with this abbreviation, without regard to case; 0 for none.
    int find(std::string_view abbreviation) const;

    bool isWorked(int index) const { return oneBased(worked_, index); }
    int SectionsWorked() const { return sectionsWorked_; }
    // Marks the section worked; true when it was not worked before. A section not in the
    // table changes nothing.
    bool markWorked(std::string_view abbreviation);
    void clearWorked();
    // Clears the marks, then marks the section of every record.
    void rebuild(const std::vector<Contact>& records);

    // The section field checked against the country field: empty is valid (whether one is
    // required is decided elsewhere); a station outside the W/VE area has no section; a
    // W/VE station's section must be in the table.
    SectionVerdict CheckSection(std::string_view sectionField, std::string_view countryField) const;

    // The hover text of a section label: its full name and how many records carry it.
    std::string hoverText(int index, const std::vector<Contact>& records) const;

private:
    struct FoldedHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view key) const;
    };
    struct FoldedEqual {
        using is_transparent = void;
        bool operator()(std::string_view a, std::string_view b) const;
    };

    const Section& at(int index) const { return oneBased(sections_, index); }

    std::vector<Section> sections_;
    std::vector<SectionGroup> groups_;
    std::unordered_map<std::string, int, FoldedHash, FoldedEqual> indexByAbbr_;
    std::vector<bool> worked_;
    int sectionsWorked_ = 0;
};

// The caption of the sections-worked label.
std::string sectionsWorkedText(int sectionsWorked);

}  // namespace topband
