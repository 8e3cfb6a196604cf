#include "app/screenshot_tour.h"
#include "window/qt_text.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>
#include <QWidget>
#include <iostream>

namespace topband {

ScreenshotTour::ScreenshotTour(QString folder, QObject* parent)
    : QObject(parent), folder_(std::move(folder)), poll_(new QTimer(this)) {
    QDir().mkpath(folder_);
    poll_->setInterval(50);
    connect(poll_, &QTimer::timeout, this, [this] { confirmModal(); });
    poll_->start();
}

void ScreenshotTour::save(QWidget& window, const QString& name) {
    const QString path = QStringLiteral("%1/%2-%3.png").arg(folder_).arg(++count_, 2, 10, QLatin1Char('0')).arg(name);
    if (!window.grab().save(path)) std::cerr << "topband: cannot write " << stdText(path) << "\n";
}

void ScreenshotTour::confirmModal() {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible()) return;
    QString name = modal->windowTitle().simplified();
    name.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9]+")), QStringLiteral("-"));
    save(*modal, name);
    // The button Enter would press: Yes or OK in a message box, or a window's only button. Pressed
    // from the event loop, not from this timer, so that a window it opens is seen in turn.
    const auto buttons = modal->findChildren<QPushButton*>();
    QAbstractButton* press = nullptr;
    if (auto* box = qobject_cast<QMessageBox*>(modal))
        press = box->button(QMessageBox::Yes) ? box->button(QMessageBox::Yes) : box->button(QMessageBox::Ok);
    else if (buttons.size() == 1)
        press = buttons.front();
    if (press)
        QMetaObject::invokeMethod(press, &QAbstractButton::click, Qt::QueuedConnection);
    else if (auto* dialog = qobject_cast<QDialog*>(modal))
        QMetaObject::invokeMethod(dialog, &QDialog::accept, Qt::QueuedConnection);
}

void ScreenshotTour::finishWith(QWidget& mainWindow) {
    QTimer::singleShot(200, this, [this, &mainWindow] {
        poll_->stop();
        save(mainWindow, QStringLiteral("Form1"));
        QCoreApplication::quit();
    });
}

}  // namespace topband
