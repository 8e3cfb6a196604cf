#pragma once
// The logic keeps its text as UTF-8 std::string; the widgets hold QString. The one conversion
// between them, used by every window.
#include <QLabel>
#include <QLineEdit>
#include <QString>
#include <string>
#include <string_view>

namespace topband {

inline QString qtText(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
inline std::string stdText(const QString& text) { return text.toStdString(); }
inline std::string textOf(const QLineEdit& field) { return stdText(field.text()); }
inline std::string textOf(const QLabel& label) { return stdText(label.text()); }

}  // namespace topband
