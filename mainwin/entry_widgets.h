#pragma once
// What the entry rules need to know of a field, and how a field shows what they decide; shared
// by the main window and the edit window.
#include "mainwin/entry_rules.h"

class QLineEdit;

namespace topband {

// The field's text and insertion point (the start of a selection, else the cursor).
FieldView viewOf(const QLineEdit& field);

// Shows a completed country with the part not typed selected, so the next key replaces it.
void showCountryCompletion(QLineEdit& field, const CountryCompletion& completion);

// Completes the country typed into `field` with `keyAscii` and shows it; a key that starts
// the name afresh empties the field and is capitalised. The completing row, or nothing when
// no country begins with the text (the key is then typed as it stands). Sets the key to 0 when
// the completion consumed it.
const PrefixRow* completeCountryIn(QLineEdit& field, const PrefixTable& table, int& keyAscii);

}  // namespace topband
