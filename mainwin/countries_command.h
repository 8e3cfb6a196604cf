#pragma once
// `topband countries import FILE`: makes the working folder's prefix file afresh from a
// current country file, so that operators can bring the prefixes and exact calls up to date
// before a contest.
#include <iosfwd>
#include <string>

#include "platform/files.h"

namespace topband {

// Reads FILE (cty.dat or cty.csv as the country-file site publishes them), makes the prefix
// file from it as tools/make_prefix_file does, and writes it into the working folder
// atomically, the old one kept beside it as arrlpre2.txt.bak. Prints what changed (entities,
// prefixes and exact calls added, removed and changed) to `out`. A file it cannot read or
// convert is refused with its line and the old prefix file stays as it was. Returns the
// process's exit code.
int runCountriesImport(const std::string& countryFile, Files& files, std::ostream& out, std::ostream& errors);

}  // namespace topband
