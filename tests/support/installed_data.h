#pragma once
// The data files as the build installs them, for tests that need the real tables.
#include <fstream>
#include <sstream>
#include <string>

namespace topband::testing {

inline std::string installedDataFile(const std::string& name) {
    std::ifstream in(std::string(TOPBAND_INSTALLED_DATA_DIR) + "/" + name, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

}  // namespace topband::testing
