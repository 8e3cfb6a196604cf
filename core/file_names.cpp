#include "core/file_names.h"

#include "core/letter_case.h"

namespace topband {

std::string pathInFolder(const Files& files, const std::string& folder, const std::string& name) {
    const std::string exact = joinPath(folder, name);
    if (files.exists(exact)) return exact;
    for (const std::string& entry : files.list(folder))
        if (equalsIgnoringCase(entry, name)) return joinPath(folder, entry);
    return exact;
}

}  // namespace topband
