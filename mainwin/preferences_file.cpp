#include "mainwin/preferences_file.h"

#include <limits>

#include "core/record_file.h"

namespace topband {
namespace {

constexpr std::int64_t kInt32Min = std::numeric_limits<std::int32_t>::min();
constexpr std::int64_t kInt32Max = std::numeric_limits<std::int32_t>::max();

}  // namespace

std::optional<Preferences> parsePreferences(std::string_view content, std::string& error) {
    RecordReader reader(content);
    Preferences p;
    bool ok = true;
    const auto text = [&](std::string& into) {
        if (!ok) return;
        auto v = reader.text();
        if (v) into = std::move(*v); else ok = false;
    };
    const auto real = [&](float& into) {
        if (!ok) return;
        auto v = reader.number();
        if (v) into = static_cast<float>(*v); else ok = false;
    };
    const auto whole = [&](auto& into, std::int64_t low, std::int64_t high) {
        if (!ok) return;
        auto v = reader.integer(low, high);
        if (v) into = static_cast<std::remove_reference_t<decltype(into)>>(*v); else ok = false;
    };
    text(p.OwnCall);
    text(p.OwnSection);
    real(p.UtcOffset);
    text(p.OwnCountry);
    real(p.OwnLongitude);
    real(p.OwnLatitude);
    whole(p.FormSizePercent, 0, 255);
    whole(p.WorkedColor, kInt32Min, kInt32Max);
    whole(p.UnworkedColor, kInt32Min, kInt32Max);
    whole(p.VoiceNavLevel, 0, 255);
    whole(p.TaskbarSetting, 0, 255);
    if (!ok) {
        error = reader.error();
        return std::nullopt;
    }
    return p;
}

std::optional<std::string> formatPreferences(const Preferences& p) {
    RecordWriter w;
    w.text(p.OwnCall).endRecord();
    w.text(p.OwnSection).endRecord();
    w.number(p.UtcOffset).endRecord();
    w.text(p.OwnCountry).endRecord();
    w.number(p.OwnLongitude).endRecord();
    w.number(p.OwnLatitude).endRecord();
    w.integer(p.FormSizePercent).endRecord();
    w.integer(p.WorkedColor).endRecord();
    w.integer(p.UnworkedColor).endRecord();
    w.integer(p.VoiceNavLevel).endRecord();
    w.integer(p.TaskbarSetting).endRecord();
    if (!w.ok()) return std::nullopt;
    return w.content();
}

IoResult writePreferences(Files& files, const std::string& path, const Preferences& prefs) {
    const auto content = formatPreferences(prefs);
    if (!content) return IoResult::failure("A preference holds a double quote or a line break");
    return files.replaceAtomically(path, *content);
}

Preferences neutralPreferences(float systemUtcOffset) {
    Preferences p;
    p.UtcOffset = systemUtcOffset;
    return p;
}

}  // namespace topband
