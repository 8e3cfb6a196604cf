#include "window/field_text_filter.h"

#include <QLineEdit>

namespace topband {

void filterFieldText(QLineEdit& field, std::function<char16_t(char16_t)> keep) {
    QObject::connect(&field, &QLineEdit::textChanged, &field, [&field, keep = std::move(keep)](const QString& text) {
        QString kept;
        kept.reserve(text.size());
        int cursor = field.cursorPosition();
        for (int i = 0; i < text.size(); ++i) {
            const char16_t c = keep(text[i].unicode());
            if (c != 0)
                kept.append(QChar(c));
            else if (i < field.cursorPosition())
                --cursor;
        }
        if (kept == text) return;
        field.setText(kept);
        field.setCursorPosition(cursor);
    });
}

}  // namespace topband
