// Makes the installed prefix file arrlpre2.txt from the country files: cty.dat gives the
// entities with their prefixes, exact calls, continent and position, cty.csv the DXCC number
// of each; the call-area positions of tools/sources/call-areas are built in. The work is
// core/prefix_convert's, which `topband countries import` shares.
//
//   make_prefix_file CTY_DAT CTY_CSV OUTPUT
#include <cstdio>
#include <stdexcept>
#include <string>

#include "core/prefix_convert.h"
#include "platform/files.h"

namespace topband {
namespace {

std::string readSource(const Files& files, const std::string& path) {
    std::string error;
    auto content = files.readAll(path, error, kMaxCountryFileBytes);
    if (!content) throw std::runtime_error(path + ": " + error);
    return std::move(*content);
}

}  // namespace
}  // namespace topband

int main(int argc, char** argv) {
    using namespace topband;
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s CTY_DAT CTY_CSV OUTPUT\n", argv[0]);
        return 2;
    }
    try {
        RealFiles files;
        std::vector<CountryEntity> entities = parseCtyDat(readSource(files, argv[1]), "cty.dat");
        addDxccNumbers(entities, readSource(files, argv[2]), "cty.csv");
        const MadePrefixFile made =
            makePrefixFile(entities, parseCallAreas(builtInCallAreas(), "call_areas.csv"), "cty.dat");
        // A call area that places no row names a prefix the country file gives another
        // entity, or an entity it lacks.
        for (const std::string& unused : made.unusedAreas)
            std::fprintf(stderr, "make_prefix_file: call_areas.csv %s places no prefix of its entity\n",
                         unused.c_str());
        if (const IoResult written = files.replaceAtomically(argv[3], made.content); !written)
            throw std::runtime_error(std::string(argv[3]) + ": " + written.error);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "make_prefix_file: %s\n", e.what());
        return 1;
    }
    return 0;
}
