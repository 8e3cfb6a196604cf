#include "mainwin/preferences_file.h"

#include <limits>

#include "core/record_file.h"

namespace topband {
namespace {

constexpr std::int64_t kInt32Min = std::numeric_limits<std::int32_t>::min();
constexpr std::int64_t kInt32Max = std::numeric_limits<std::int32_t>::max();

}  // namespace

bool readPreferencesInto(std::string_view content, Preferences& prefs, std::string& error) {
    RecordReader reader(withoutByteOrderMark(content));
    // Each value goes into `prefs` as soon as it is read; after the first failure nothing more is read.
    bool ok = true;
    std::string why;
    const auto text = [&](std::string& into) {
        if (!ok) return;
        auto v = reader.text();
        if (!v) {
            ok = false;
        } else if (!fitsQuotedField(*v)) {  // a bare value with a quote could never be written back
            ok = false;
            why = "line " + std::to_string(reader.line()) + ": the value holds a double quote";
        } else {
            into = std::move(*v);
        }
    };
    const auto real = [&](float& into) {
        if (!ok) return;
        auto v = reader.number();
        if (v)
            into = static_cast<float>(*v);
        else
            ok = false;
    };
    const auto whole = [&](auto& into, std::int64_t low, std::int64_t high) {
        if (!ok) return;
        auto v = reader.integer(low, high);
        if (v)
            into = static_cast<std::remove_reference_t<decltype(into)>>(*v);
        else
            ok = false;
    };
    text(prefs.OwnCall);
    text(prefs.OwnSection);
    real(prefs.UtcOffset);
    text(prefs.OwnCountry);
    real(prefs.OwnLongitude);
    real(prefs.OwnLatitude);
    whole(prefs.FormSizePercent, 0, 255);
    whole(prefs.WorkedColor, kInt32Min, kInt32Max);
    whole(prefs.UnworkedColor, kInt32Min, kInt32Max);
    whole(prefs.VoiceNavLevel, 0, 255);
    whole(prefs.TaskbarSetting, 0, 255);
    if (!ok) error = why.empty() ? reader.error() : why;
    return ok;
}

std::optional<Preferences> parsePreferences(std::string_view content, std::string& error) {
    Preferences p;
    if (!readPreferencesInto(content, p, error)) return std::nullopt;
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
