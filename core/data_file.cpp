#include "core/data_file.h"

#include "core/file_names.h"

namespace topband {

DataFileText readDataFile(const Files& files, const std::vector<std::string>& folders, const std::string& name,
                          std::uintmax_t maxBytes) {
    DataFileText read;
    read.path = firstFileInFolders(files, folders, name);
    if (read.path.empty()) return read;
    std::string error;
    read.content = files.readAll(read.path, error, maxBytes);
    if (!read.content) read.error = read.path + ": " + error;
    return read;
}

}  // namespace topband
