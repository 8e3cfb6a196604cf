#include "mainwin/station_window.h"

#include <cmath>
#include <limits>
#include <optional>

#include "core/number_text.h"
#include "mainwin/entry_rules.h"
#include "mainwin/shared_preferences.h"
#include "mainwin/utc_offset.h"
#include "window/field_text_filter.h"
#include "window/key_codes.h"
#include "window/key_press_filter.h"
#include "window/qt_text.h"

namespace topband {
namespace {

// Lets through Backspace, "-", ".", "/" and the digits; drops every other key.
int numberr(int key) { return key == kBackspace || (key >= '-' && key <= '9') ? key : 0; }

// The characters of a number field: those numberr lets through, and the blank that stands
// before a positive number as the window shows it.
char16_t numberCharacter(char16_t c) { return c == u' ' || (c >= u'-' && c <= u'9') ? c : 0; }

// The field as a number that fits the preferences' floats; nothing when it does not read as one.
std::optional<float> readFloat(const QLineEdit& field) {
    const auto value = parseNumber(textOf(field));
    if (!value || std::abs(*value) > std::numeric_limits<float>::max()) return std::nullopt;
    return static_cast<float>(*value);
}

// The UTC offset as stored: a number of hours within the offsets of the world's time zones.
std::optional<float> readUtcOffset(const QLineEdit& field) {
    const auto hours = readFloat(field);
    if (!hours || *hours < -kLargestUtcOffset || *hours > kLargestUtcOffset) return std::nullopt;
    return hours;
}

// Where the typed key lands: the start of a selection, else the cursor.
int insertionPoint(const QLineEdit& field) {
    return field.hasSelectedText() ? field.selectionStart() : field.cursorPosition();
}

}  // namespace

frmStationID::frmStationID(AppState& state, Services& services, QWidget* parent)
    : QDialog(parent), state_(state), services_(services), form_(*this, 4800, 3600), keys_(new KeyPressFilter(this)) {
    setWindowTitle(QStringLiteral(" Amateur Station I.D."));
    layOut();
    Text5.setMaxLength(3);
    Text6.setMaxLength(7);
    // Enter belongs to the fields' own handlers; it must not press Done from the other fields.
    Command1.setAutoDefault(false);
    setTabOrder(&Text1, &Text5);
    setTabOrder(&Text5, &Text6);
    setTabOrder(&Text6, &Command1);
    setTabOrder(&Command1, &Text2);
    setTabOrder(&Text2, &Text3);
    setTabOrder(&Text3, &Text4);

    keys_->attach(Text1, [this](int& key) { Text1_KeyPress(key); });
    keys_->attach(Text5, [this](int& key) { Text5_KeyPress(key); });
    keys_->attach(Text6, [this](int& key) { Text6_KeyPress(key); });
    keys_->attach(Text2, [this](int& key) { Text2_KeyPress(key); });
    events_.watch(Text6);
    // The call, section and country end up in quoted fields of 160pref.txt and the log, which
    // have no escape for a double quote.
    // The same rule for keys and for text that arrives without them; nothing outside ASCII.
    const std::pair<QLineEdit*, EntryField> fields[] = {
        {&Text1, EntryField::Call}, {&Text5, EntryField::Section}, {&Text2, EntryField::Country}};
    for (const auto& [field, rule] : fields)
        filterFieldText(*field, [rule](char16_t c) { return fieldCharacter(rule, c); });
    for (QLineEdit* number : {&Text6, &Text3, &Text4}) filterFieldText(*number, numberCharacter);
    connect(&Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });

    Form_Load();
    Text1.setFocus();
}

void frmStationID::layOut() {
    // Labels in a left column, fields in a right one; design units, 15 to a pixel.
    constexpr double labelLeft = 240, labelWidth = 2400, fieldLeft = 2700, rowPitch = 420;
    constexpr double fieldHeight = 300, labelOffset = 45, labelHeight = 240;
    const auto row = [&](QLabel& label, QLineEdit& field, int index, double fieldWidth) {
        const double top = 240 + index * rowPitch;
        form_.place(label, labelLeft, top + labelOffset, labelWidth, labelHeight);
        form_.place(field, fieldLeft, top, fieldWidth, fieldHeight);
    };
    row(Label1, Text1, 0, 1800);
    row(Label4, Text5, 1, 600);
    form_.place(Label6, fieldLeft + 690, 240 + rowPitch + labelOffset, 1350, labelHeight);
    row(Label7, Text6, 2, 900);
    row(Label2, Text2, 3, 1800);
    row(Label3, Text3, 4, 1200);
    row(Label5, Text4, 5, 1200);
    form_.place(Command1, fieldLeft + 600, 240 + 6 * rowPitch + 120, 1200, 390);
}

void frmStationID::Form_Load() {
    ResizeForm(form_, services_.screen, services_.ui);
    const Preferences& prefs = state_.prefs;
    Text1.setText(qtText(prefs.OwnCall));
    Text2.setText(qtText(prefs.OwnCountry));
    Text3.setText(qtText(formatSignedNumber(prefs.OwnLongitude)));
    Text4.setText(qtText(formatSignedNumber(prefs.OwnLatitude)));
    Text6.setText(qtText(formatSignedNumber(prefs.UtcOffset)));
    Text5.setText(qtText(prefs.OwnSection));
    if (Text1.text().isEmpty()) Text1.setText(qtText(services_.settings.value("UserCallSign", "")));
}

void frmStationID::Text1_KeyPress(int& KeyAscii) { enterOrKey(EntryField::Call, KeyAscii); }

void frmStationID::Text5_KeyPress(int& KeyAscii) { enterOrKey(EntryField::Section, KeyAscii); }

void frmStationID::enterOrKey(EntryField field, int& KeyAscii) {
    if (KeyAscii == kEnter) {
        KeyAscii = kNoKey;
        Command1_Click();
        return;
    }
    KeyAscii = fieldKey(field, KeyAscii);
}

void frmStationID::Text6_KeyPress(int& KeyAscii) {
    if (KeyAscii == kEnter) {
        KeyAscii = 0;
        Command1_Click();
    }
    KeyAscii = numberr(KeyAscii);
}

void frmStationID::Text6_LostFocus() {
    if (readUtcOffset(Text6)) return;
    services_.ui.beep();
    Text6.setFocus();
}

// Completes the country from the prefix table as it is typed; the comparison keeps letter case.
void frmStationID::Text2_KeyPress(int& KeyAscii) {
    const int cursor = insertionPoint(Text2);
    if (cursor == 0) KeyAscii = capitalKey(KeyAscii);
    if (KeyAscii <= 0) return;
    const QString typed = Text2.text().left(cursor) + QChar(KeyAscii);
    const std::string wanted = stdText(typed);
    const PrefixTable& table = state_.prefixes;
    for (int rowNumber = table.PrefixCount(); rowNumber >= 1; --rowNumber) {
        const PrefixRow& match = table.row(rowNumber);
        if (!match.country.starts_with(wanted)) continue;
        // The position of the country as a whole, not of one of its call areas.
        const PrefixRow& row = *table.countryRow(match.country);
        const QString country = qtText(row.country);
        Text2.setText(country);
        Text2.setCursorPosition(static_cast<int>(country.size()));
        Text2.cursorBackward(true, static_cast<int>(country.size() - typed.size()));
        Text3.setText(qtText(formatSignedNumber(row.longitude)));
        Text4.setText(qtText(formatSignedNumber(row.latitude)));
        KeyAscii = 0;
        return;
    }
}

void frmStationID::Command1_Click() {
    // An offset that is not a number, or no time zone's, would shift every logged time.
    if (!readUtcOffset(Text6)) {
        services_.ui.beep();
        Text6.setFocus();
        return;
    }
    for (QLineEdit* position : {&Text3, &Text4})
        if (!readFloat(*position)) position->setText(QStringLiteral("0"));

    const std::pair<const char*, const QLineEdit*> shared[] = {
        {"OWN_CALL", &Text1},    {"OWN_ARRL_SECTION", &Text5}, {"OWN_UTC", &Text6},
        {"OWN_COUNTRY", &Text2}, {"OWN_LONGITUDE", &Text3},    {"OWN_LATITUDE", &Text4},
    };
    IoResult saved;
    for (const auto& [key, field] : shared)
        saved = SetSharedPreference(state_.shared, services_.files, key, textOf(*field), field == &Text4);
    if (!saved) {
        const std::string& path = state_.shared.SharedPrefsPath;
        services_.ui.messageBox("Shared Preferences Error", path.empty() ? saved.error : saved.error + "  " + path);
    }
    accept();
}

void frmStationID::storeStation(Preferences& prefs) const {
    prefs.OwnCall = textOf(Text1);
    prefs.OwnSection = textOf(Text5);
    prefs.UtcOffset = readFloat(Text6).value_or(prefs.UtcOffset);
    prefs.OwnCountry = textOf(Text2);
    prefs.OwnLongitude = readFloat(Text3).value_or(prefs.OwnLongitude);
    prefs.OwnLatitude = readFloat(Text4).value_or(prefs.OwnLatitude);
}

}  // namespace topband
