#include "platform/qt_ui.h"

#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace topband {
namespace {

QString q(const std::string& text) { return QString::fromStdString(text); }

// Dialogs belong to the window the operator is looking at.
QWidget* owner() { return QApplication::activeWindow(); }

QMessageBox::Icon iconOf(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Information: return QMessageBox::Information;
        case MessageIcon::Warning: return QMessageBox::Warning;
        case MessageIcon::Critical: return QMessageBox::Critical;
        case MessageIcon::Question: return QMessageBox::Question;
        case MessageIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

MessageAnswer QtUi::messageBox(const std::string& title, const std::string& text, MessageButtons buttons,
                               MessageIcon icon) {
    QMessageBox box(iconOf(icon), q(title), q(text),
                    buttons == MessageButtons::YesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, owner());
    const int answer = box.exec();
    if (buttons == MessageButtons::Ok) return MessageAnswer::Ok;
    return answer == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
}

std::optional<std::string> QtUi::inputBox(const std::string& title, const std::string& prompt,
                                          const std::string& proposal) {
    bool accepted = false;
    const QString answer =
        QInputDialog::getText(owner(), q(title), q(prompt), QLineEdit::Normal, q(proposal), &accepted);
    if (!accepted) return std::nullopt;
    return answer.toStdString();
}

std::optional<std::string> QtUi::openFileDialog(const std::string& title, const std::string& folder,
                                                const std::string& filter) {
    const QString path = QFileDialog::getOpenFileName(owner(), q(title), q(folder), q(filter));
    if (path.isEmpty()) return std::nullopt;
    return path.toStdString();
}

std::optional<std::string> QtUi::saveFileDialog(const std::string& title, const std::string& proposedPath,
                                                const std::string& filter) {
    const QString path = QFileDialog::getSaveFileName(owner(), q(title), q(proposedPath), q(filter));
    if (path.isEmpty()) return std::nullopt;
    return path.toStdString();
}

std::optional<std::int32_t> QtUi::colourDialog(std::int32_t initial) {
    const auto bgr = static_cast<std::uint32_t>(initial);
    const QColor start(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                       static_cast<int>((bgr >> 16) & 0xFF));
    const QColor chosen = QColorDialog::getColor(start, owner());
    if (!chosen.isValid()) return std::nullopt;
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(chosen.red()) |
                                     static_cast<std::uint32_t>(chosen.green()) << 8 |
                                     static_cast<std::uint32_t>(chosen.blue()) << 16);
}

void QtUi::setClipboardText(const std::string& text) { QApplication::clipboard()->setText(q(text)); }

void QtUi::beep() { QApplication::beep(); }

}  // namespace topband
