#include "window/field_text_filter.h"

#include <QLineEdit>
#include <algorithm>

namespace topband {
namespace {

// Room for any text while it is filtered; the field's own limit is applied after filtering.
constexpr int kUnlimited = 32767;

}  // namespace

void filterFieldText(QLineEdit& field, std::function<char16_t(char16_t)> keep) {
    // A pasted "5 9 9" must become "599", not the "59" of "5 9" cut to three characters first:
    // the field's length limit is applied to the text as filtered.
    const int limit = field.maxLength();
    field.setMaxLength(kUnlimited);
    const auto filter = [&field, limit, keep = std::move(keep)](const QString& text) {
        QString kept;
        kept.reserve(text.size());
        const int typedCursor = field.cursorPosition();
        int cursor = typedCursor;
        for (int i = 0; i < text.size(); ++i) {
            const char16_t c = keep(text[i].unicode());
            if (c != 0)
                kept.append(QChar(c));
            else if (i < typedCursor)
                --cursor;
        }
        // Over the limit, the characters just arrived (those before the cursor) give way, as
        // when the field refuses a key.
        if (kept.size() > limit) {
            const auto excess = static_cast<int>(kept.size()) - limit;
            const int cut = std::clamp(cursor - excess, 0, limit);
            kept.remove(cut, excess);
            cursor = cut;
        }
        if (kept == text) return;
        field.setText(kept);
        field.setCursorPosition(cursor);
    };
    QObject::connect(&field, &QLineEdit::textChanged, &field, filter);
}

}  // namespace topband
