#pragma once
// Keeps a field's text to what its keys may type, however the text arrives: typed, pasted,
// dropped or set by code.
#include <functional>

class QLineEdit;

namespace topband {

// `keep` maps a character to the one the field holds, or to 0 to drop it.
void filterFieldText(QLineEdit& field, std::function<char16_t(char16_t)> keep);

// The call field: upper-case letters, digits and "/".
char16_t callCharacter(char16_t c);
// Any field that ends up in a quoted record: everything but the double quote.
char16_t quotedFieldCharacter(char16_t c);

}  // namespace topband
