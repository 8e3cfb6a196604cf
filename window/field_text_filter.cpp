#include "window/field_text_filter.h"

#include <QLineEdit>

namespace topband {

char16_t callCharacter(char16_t c) {
    if (c >= u'a' && c <= u'z') return static_cast<char16_t>(c - u'a' + u'A');
    const bool allowed = (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') || c == u'/';
    return allowed ? c : 0;
}

char16_t quotedFieldCharacter(char16_t c) { return c == u'"' || c == u'\r' || c == u'\n' ? 0 : c; }

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
