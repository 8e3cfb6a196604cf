#pragma once
// `--screenshot DIR`: runs the real start-up and, as each window opens, saves a picture of it
// to DIR and confirms it with its default button; ends after the main window's picture.
#include <QObject>
#include <QString>

class QTimer;
class QWidget;

namespace topband {

class ScreenshotTour final : public QObject {
    Q_OBJECT

public:
    ScreenshotTour(QString folder, QObject* parent);
    // Saves the main window once it is up, then quits the event loop.
    void finishWith(QWidget& mainWindow);

private:
    void confirmModal();
    void save(QWidget& window, const QString& name);

    QString folder_;
    QTimer* poll_;
    int count_ = 0;
};

}  // namespace topband
