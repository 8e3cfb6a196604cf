#include "window/key_press_filter.h"

#include <QKeyEvent>
#include <QLineEdit>

#include "window/key_codes.h"

namespace topband {
namespace {

// The character code a key press delivers, or 0 for keys that type nothing.
int characterOf(const QKeyEvent& key) {
    if (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter) return kEnter;
    if (key.key() == Qt::Key_Backspace) return kBackspace;
    if (key.key() == Qt::Key_Escape) return kEscape;
    if (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return 0;
    const QString text = key.text();
    if (text.size() != 1) return 0;
    const char16_t c = text.front().unicode();
    return c >= kBlank && c < 0x7F ? c : kNoKey;
}

}  // namespace

void KeyPressFilter::attach(QLineEdit& field, Handler handler) {
    handlers_[&field] = std::move(handler);
    field.installEventFilter(this);
    connect(&field, &QObject::destroyed, this, [this](QObject* gone) { handlers_.erase(gone); });
}

bool KeyPressFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return false;
    const auto it = handlers_.find(watched);
    if (it == handlers_.end()) return false;
    const auto& key = static_cast<const QKeyEvent&>(*event);
    const int typed = characterOf(key);
    if (typed == 0) return false;
    int keyAscii = typed;
    it->second(keyAscii);
    if (keyAscii == typed) return false;
    if (keyAscii != 0) {
        if (auto* field = qobject_cast<QLineEdit*>(watched)) field->insert(QString(QChar(keyAscii)));
    }
    return true;
}

}  // namespace topband
