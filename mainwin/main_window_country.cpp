// The country of the call being typed, its bearing and distance, the "New" label and the
// list of DX countries worked.
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

#include "core/letter_case.h"
#include "core/number_text.h"
#include "mainwin/entry_widgets.h"
#include "mainwin/main_window.h"
#include "window/qt_text.h"

namespace topband {
void Form1::connectCountryFields() {
    connect(txtCall, &QLineEdit::textChanged, this, [this] { LookupCountry(); });
    connect(txtCntry, &QLineEdit::textChanged, this, [this] { txtCntry_Change(); });
}

CountryFields Form1::shownCountryFields() const {
    return {textOf(*txtCntry), textOf(*Label19), textOf(*Label22), textOf(*Label23)};
}

void Form1::showCountryFields(const CountryFields& fields) {
    txtCntry->setText(qtText(fields.country));
    Label19->setText(qtText(fields.continent));
    Label22->setText(qtText(fields.bearing));
    Label23->setText(qtText(fields.miles));
}

void Form1::LookupCountry() {
    if (txtCall->text().isEmpty()) return;
    showCountryFields(countryFieldsFor(state_.prefixes, state_.prefs, textOf(*txtCall), shownCountryFields()));
    // Typing in the country field replaces what the lookup put there.
    txtCntry->setSelection(0, static_cast<int>(txtCntry->text().size()));
}

void Form1::HDCalc(float latitude, float longitude) {
    CountryFields fields = shownCountryFields();
    setBearing(fields, state_.prefs, latitude, longitude);
    Label22->setText(qtText(fields.bearing));
    Label23->setText(qtText(fields.miles));
}

void Form1::txtCntry_Change() {
    Label3->setVisible(state_.logbook.workedCountries.isNew(textOf(*txtCntry), textOf(*txtSec)));
}

// Completes a typed country name from the prefix table, the completed rest selected.
void Form1::CompleteCountry(int& keyAscii) {
    const PrefixRow* row = completeCountryIn(*txtCntry, state_.prefixes, keyAscii);
    if (row == nullptr) return;
    Label19->setText(qtText(row->continent));
    HDCalc(row->latitude, row->longitude);
}

void Form1::refillCountryList() {
    List1->clear();
    for (const std::string& country : state_.logbook.workedCountries.entries()) List1->addItem(qtText(country));
    // The count is never negative, so two blanks stand before it.
    lblStation[5]->setText(qtText("DX  " + formatInteger(state_.logbook.workedCountries.WorkedCountryCount())));
}

}  // namespace topband
