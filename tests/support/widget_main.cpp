#include <QApplication>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "tests/support/comma_locale.h"

namespace {

QtMessageHandler defaultHandler = nullptr;

// The offscreen platform has no window manager to pass size hints to and says so for every
// window shown; everything else goes through as usual.
void dropSizeHintWarning(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtWarningMsg && message.contains(QLatin1String("propagateSizeHints"))) return;
    defaultHandler(type, context, message);
}

}  // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    // Windows run without a display, and nothing touches the user's own folders or settings.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir home;
    qputenv("HOME", home.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", (home.path() + QStringLiteral("/config")).toUtf8());
    qputenv("XDG_DATA_HOME", (home.path() + QStringLiteral("/data")).toUtf8());
    qputenv("XDG_RUNTIME_DIR", home.path().toUtf8());
    QStandardPaths::setTestModeEnabled(true);
    defaultHandler = qInstallMessageHandler(dropSizeHintWarning);
    QApplication app(argc, argv);
    topband::testing::useCommaDecimalLocale();
    return RUN_ALL_TESTS();
}
