#include "mainwin/shared_preferences.h"

#include <algorithm>

#include "core/letter_case.h"

namespace topband {
namespace {

constexpr std::string_view kLineEnd = "\r\n";

// The file's last line end is not part of the text held in memory.
std::string withoutFinalLineEnd(std::string content) {
    if (content.ends_with(kLineEnd))
        content.resize(content.size() - kLineEnd.size());
    else if (content.ends_with('\n'))
        content.pop_back();
    return content;
}

}  // namespace

IoResult LoadSharedPreferences(SharedPreferencesFile& shared, const Files& files, const std::string& path) {
    shared.SharedPrefsText = kSharedPreferencesDeclaration;
    shared.SharedPrefsPath.clear();
    if (!files.exists(path)) {
        shared.SharedPrefsPath = path;
        return {};
    }
    std::string error;
    const auto content = files.readAll(path, error, 1u << 20);
    if (!content) return IoResult::failure(error);
    shared.SharedPrefsPath = path;
    if (!content->empty()) shared.SharedPrefsText = withoutFinalLineEnd(*content);
    return {};
}

IoResult SaveSharedPreferences(SharedPreferencesFile& shared, Files& files, const std::string& path) {
    shared.SharedPrefsPath = path;
    if (path.empty()) return IoResult::failure("The shared preferences file could not be read, so it is not replaced");
    return files.replaceAtomically(path, shared.SharedPrefsText + std::string(kLineEnd));
}

IoResult SetSharedPreference(SharedPreferencesFile& shared, Files& files, std::string_view key, std::string_view value,
                             bool saveNow) {
    const std::string upper = upperCased(key);
    const std::string opening = "<" + upper + ">";
    const std::string closing = "</" + upper + ">";
    std::string& text = shared.SharedPrefsText;
    const std::size_t found = text.find(opening);
    if (found == std::string::npos) {
        text.append(kLineEnd).append(opening).append(value).append(closing);
    } else {
        const std::size_t valueStart = found + opening.size();
        std::size_t valueEnd = text.find(closing, valueStart);
        // A line that lost its closing tag is mended: the value runs to the end of that line.
        if (valueEnd == std::string::npos) {
            valueEnd = std::min(text.find(kLineEnd, valueStart), text.size());
            text.insert(valueEnd, closing);
        }
        text.replace(valueStart, valueEnd - valueStart, value);
    }
    if (!saveNow) return {};
    return SaveSharedPreferences(shared, files, shared.SharedPrefsPath);
}

}  // namespace topband
