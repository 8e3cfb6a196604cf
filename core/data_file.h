#pragma once
// The read step every data-file load shares: find the file in the first folder that holds it,
// then read it whole, refusing one larger than the load can sensibly hold.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/files.h"

namespace topband {

struct DataFileText {
    std::string path;                    // the file found; empty when no folder holds one
    std::optional<std::string> content;  // nothing when there was no file or it could not be read
    std::string error;                   // "<path>: why" when it could not be read; empty otherwise
};

DataFileText readDataFile(const Files& files, const std::vector<std::string>& folders, const std::string& name,
                          std::uintmax_t maxBytes);

}  // namespace topband
