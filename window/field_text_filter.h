#pragma once
// Keeps a field's text to what its keys may type, however the text arrives: typed, pasted,
// dropped or set by code.
#include <functional>

class QLineEdit;

namespace topband {

// `keep` maps a character to the one the field holds, or to 0 to drop it. The field's maximum
// length, as set before, is applied to the filtered text (the widget itself then takes any
// length, so that it never cuts arriving text before the filter has seen it).
void filterFieldText(QLineEdit& field, std::function<char16_t(char16_t)> keep);

}  // namespace topband
