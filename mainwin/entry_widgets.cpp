#include "mainwin/entry_widgets.h"

#include <QLineEdit>
#include <algorithm>

#include "window/key_codes.h"
#include "window/qt_text.h"

namespace topband {

FieldView viewOf(const QLineEdit& field) {
    const bool selection = field.hasSelectedText();
    return {textOf(field), selection ? field.selectionStart() : field.cursorPosition(), selection};
}

void showCountryCompletion(QLineEdit& field, const CountryCompletion& completion) {
    const QString text = qtText(completion.text);
    field.setText(text);
    const auto typed = static_cast<int>(qtText(completion.text.substr(0, completion.typedLength)).size());
    field.setSelection(static_cast<int>(text.size()), typed - static_cast<int>(text.size()));
}

const PrefixRow* completeCountryIn(QLineEdit& field, const PrefixTable& table, int& keyAscii) {
    if (keyAscii < kBlank) return nullptr;
    FieldView view = viewOf(field);
    if (countryStartsAfresh(view)) {
        field.clear();
        view = {};
        Capital(keyAscii);
    }
    const auto insertion = std::min(static_cast<std::size_t>(std::max(view.cursor, 0)), view.text.size());
    const std::string typed = view.text.substr(0, insertion) + static_cast<char>(keyAscii);
    const auto completion = completeCountry(table, typed);
    if (!completion) return nullptr;
    showCountryCompletion(field, *completion);
    keyAscii = kNoKey;
    return completion->row;
}

}  // namespace topband
