// The country of the call being typed, its bearing and distance, the "New" label and the
// list of DX countries worked.
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

#include "core/letter_case.h"
#include "core/number_text.h"
#include "mainwin/main_window.h"

namespace topband {
namespace {

QString q(const std::string& text) { return QString::fromStdString(text); }
std::string text(const QLineEdit* field) { return field->text().toStdString(); }
std::string text(const QLabel* label) { return label->text().toStdString(); }

}  // namespace

void Form1::connectCountryFields() {
    connect(txtCall, &QLineEdit::textChanged, this, [this] { LookupCountry(); });
    connect(txtCntry, &QLineEdit::textChanged, this, [this] { txtCntry_Change(); });
}

CountryFields Form1::shownCountryFields() const {
    return {text(txtCntry), text(Label19), text(Label22), text(Label23)};
}

void Form1::showCountryFields(const CountryFields& fields) {
    txtCntry->setText(q(fields.country));
    Label19->setText(q(fields.continent));
    Label22->setText(q(fields.bearing));
    Label23->setText(q(fields.miles));
}

void Form1::LookupCountry() {
    if (txtCall->text().isEmpty()) return;
    showCountryFields(countryFieldsFor(state_.prefixes, state_.prefs, text(txtCall), shownCountryFields()));
    // Typing in the country field replaces what the lookup put there.
    txtCntry->setSelection(0, static_cast<int>(txtCntry->text().size()));
}

void Form1::HDCalc(float latitude, float longitude) {
    CountryFields fields = shownCountryFields();
    setBearing(fields, state_.prefs, latitude, longitude);
    Label22->setText(q(fields.bearing));
    Label23->setText(q(fields.miles));
}

void Form1::txtCntry_Change() {
    Label3->setVisible(state_.logbook.workedCountries.isNew(text(txtCntry), text(txtSec)));
}

// Completes a typed country name from the prefix table, the completed rest selected.
void Form1::CompleteCountry(int& keyAscii) {
    if (keyAscii < 32) return;
    const bool fromStart = txtCntry->text().isEmpty() || txtCntry->cursorPosition() == 0 ||
                           (txtCntry->hasSelectedText() && txtCntry->selectionStart() == 0);
    if (fromStart) {
        txtCntry->clear();
        if (keyAscii >= 'a' && keyAscii <= 'z') keyAscii -= 32;
    }
    const int cursor = txtCntry->hasSelectedText() ? txtCntry->selectionStart() : txtCntry->cursorPosition();
    const std::string typed = text(txtCntry).substr(0, static_cast<std::size_t>(cursor)) + static_cast<char>(keyAscii);
    const PrefixTable& table = state_.prefixes;
    for (int row = table.PrefixCount(); row >= 1; --row) {
        const PrefixRow& candidate = table.row(row);
        if (!startsWithIgnoringCase(candidate.country, typed)) continue;
        txtCntry->setText(q(typed + candidate.country.substr(typed.size())));
        txtCntry->setSelection(static_cast<int>(candidate.country.size()),
                               -static_cast<int>(candidate.country.size() - typed.size()));
        Label19->setText(q(candidate.continent));
        HDCalc(candidate.latitude, candidate.longitude);
        keyAscii = 0;
        return;
    }
}

void Form1::refillCountryList() {
    List1->clear();
    for (const std::string& country : state_.logbook.workedCountries.entries()) List1->addItem(q(country));
    // The count is never negative, so two blanks stand before it.
    lblStation[5]->setText(q("DX  " + formatInteger(state_.logbook.workedCountries.WorkedCountryCount())));
}

}  // namespace topband
