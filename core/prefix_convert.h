#pragma once
// Makes the prefix file arrlpre2.txt from a country file (cty.dat or cty.csv, as the
// country-file site publishes them) and the positions of call areas. tools/make_prefix_file
// makes the installed file with it, `topband countries import` an operator's fresh copy.
//
// One row per prefix: "prefix","country","continent",longitude (west +),latitude (north +),
// CQ zone,ITU zone,UTC offset (hours, west +). An exact call's row carries "=" before its
// CQ zone. Rows are sorted byte-wise, so digits come before letters and each first character
// forms one block, as the lookup expects.
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace topband {

// A fault in a source: "SOURCE line N: why", "SOURCE why" when it is on no one line, or the
// reason alone without a source.
class CountrySourceError : public std::runtime_error {
public:
    CountrySourceError(const std::string& source, int line, const std::string& why);
    int line() const { return line_; }
    const std::string& why() const { return why_; }

private:
    int line_;
    std::string why_;
};

struct CountryEntity {
    std::string name;
    int cqZone = 0;
    int ituZone = 0;
    std::string continent;
    float latitude = 0;
    float longitude = 0;  // west positive, as in the country file
    float utcOffset = 0;  // hours, west positive, as in the country file
    std::string primary;  // without the leading "*" of a contest-only entity
    bool contestOnly = false;
    int dxcc = 0;  // the DXCC number where the source gives it (cty.csv); 0 otherwise
    std::vector<std::string> prefixes;
    std::vector<std::string> exactCalls;  // without "=" and modifiers
    int line = 0;                         // where the entity begins in its source
};

// The largest country file read, and the most prefixes and exact calls taken from one;
// today's hold a third of a megabyte and about 27,000.
inline constexpr std::uintmax_t kMaxCountryFileBytes = 8u << 20;
inline constexpr std::size_t kMaxCountryFileAliases = 250000;

// The entities of a country file in either layout, told apart by its first line. `source`
// names the file in errors. Throws CountrySourceError.
std::vector<CountryEntity> parseCountryFile(std::string_view content, const std::string& source);
std::vector<CountryEntity> parseCtyDat(std::string_view content, const std::string& source);
std::vector<CountryEntity> parseCtyCsv(std::string_view content, const std::string& source);
// Gives each entity of a cty.dat its DXCC number from the cty.csv of the same version.
void addDxccNumbers(std::vector<CountryEntity>& entities, std::string_view ctyCsv, const std::string& source);

// One line of the call-area file: "entity,areas,latitude,longitude,place", the entity by its
// primary prefix, the position east positive as gazetteers give it. Each area is a prefix
// ("VO1") or "*" and a call-area code ("*7", "*9A") appended to every series of the entity:
// its prefixes without a digit after their first character, or, for an entity whose prefixes
// all end in their area digit (Asiatic Russia: R9, RA9, UA0), those prefixes without the digit.
struct CallArea {
    std::string entity;
    std::vector<std::string> areas;
    float latitude = 0;   // north positive
    float longitude = 0;  // west positive, as in the prefix file
    std::string place;
    int line = 0;
};

std::vector<CallArea> parseCallAreas(std::string_view content, const std::string& source);
// tools/sources/call-areas/call_areas.csv, built into the program.
std::string_view builtInCallAreas();

struct MadePrefixFile {
    std::string content;
    int prefixRows = 0;
    int exactCalls = 0;
    int areaRows = 0;                      // prefix rows placed by a call area
    std::vector<std::string> unusedAreas;  // "line N (place)" of each call area that placed no row
};

// The prefix file: the prefixes of every entity, the call areas' prefixes with their
// positions (and the longer prefixes of the same entity within an area take its position),
// and every exact call that the prefixes would give another entity. A contest-only entity
// counts as the DXCC entity it belongs to: by DXCC number when the entities carry theirs,
// otherwise by the parents cty.dat's contest-only entities are known to have. Throws
// CountrySourceError, naming `source` and an entity's line where one is at fault, when the
// entities contradict each other or make more rows than the table holds.
MadePrefixFile makePrefixFile(const std::vector<CountryEntity>& entities, const std::vector<CallArea>& areas,
                              const std::string& source);

}  // namespace topband
