#pragma once
// Real files in a temporary folder, with chosen operations made to fail.
#include "platform/files.h"

namespace topband::testing {

class FailingFiles : public RealFiles {
public:
    bool failReplace = false;
    bool failAppend = false;
    bool failCopy = false;
    IoResult replaceAtomically(const std::string& path, const std::string& content) override {
        if (failReplace) return IoResult::failure("No space left on device");
        return RealFiles::replaceAtomically(path, content);
    }
    IoResult appendSynced(const std::string& path, const std::string& content) override {
        if (failAppend) return IoResult::failure("No space left on device");
        return RealFiles::appendSynced(path, content);
    }
    IoResult copyFile(const std::string& from, const std::string& to) override {
        if (failCopy) return IoResult::failure("Permission denied");
        return RealFiles::copyFile(from, to);
    }
};

}  // namespace topband::testing
