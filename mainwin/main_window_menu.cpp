// The main window's menu tree. Items whose windows have not been built yet are shown disabled.
#include <QMenuBar>

#include "mainwin/main_window.h"

namespace topband {
namespace {

QAction* item(QMenu* menu, const char* caption, bool enabled = false) {
    QAction* action = menu->addAction(QString::fromUtf8(caption));
    action->setEnabled(enabled);
    return action;
}

// A top-level entry that acts itself instead of opening a menu.
QAction* topItem(QMenuBar* bar, const char* caption, bool enabled = false) {
    QAction* action = bar->addAction(QString::fromUtf8(caption));
    action->setEnabled(enabled);
    return action;
}

}  // namespace

void Form1::createMenus() {
    QMenuBar* bar = menuBar();

    QMenu* mnuFile = bar->addMenu(QStringLiteral("&File"));
    mnuNew = item(mnuFile, "&New", true);
    mnuFile->addSeparator();
    mnuArchive = item(mnuFile, "Archive Current &Log");
    mnuFile->addSeparator();
    mnuRestore = item(mnuFile, "&Restore from Archive or Backup");
    mnuFile->addSeparator();
    mnuWriteSumm = item(mnuFile, "&Write Cabrillo Summary");
    mnuFile->addSeparator();
    mnuADIF = item(mnuFile, "Export &ADIF");
    mnuFile->addSeparator();
    mnuCopyListtoClipboard = item(mnuFile, "&Copy Listed Items to Clipboard");
    mnuFile->addSeparator();
    mnuExit = item(mnuFile, "E&xit", true);

    QMenu* mnuOptions = bar->addMenu(QStringLiteral("&Options"));
    mnuCW = item(mnuOptions, "&CW Transmit");
    mnuOptions->addSeparator();
    QMenu* mnuAppearance = mnuOptions->addMenu(QStringLiteral("&Appearance"));
    mnuFormSize = item(mnuAppearance, "&Form Size", true);
    mnuColors = item(mnuAppearance, "&Colors");
    mnuOptions->addSeparator();
    QMenu* mnuDXSpottingMain = mnuOptions->addMenu(QStringLiteral("&DX Spotting"));
    mnuDXSpotting = item(mnuDXSpottingMain, "&Configure");
    mnuBandMap = item(mnuDXSpottingMain, "&View Spectrum Map");
    mnuOptions->addSeparator();
    mnuBlind = item(mnuOptions, "&Voice Navigation");
    mnuOptions->addSeparator();
    mnuPrivileges = item(mnuOptions, "&Privileges");
    mnuOptions->addSeparator();
    mnuPostContest = item(mnuOptions, "P&ost Contest Mode", true);
    mnuPostContest->setCheckable(true);

    mnuSetup = topItem(bar, "&Setup", true);
    mnuGraph = topItem(bar, "&Graph");
    mnuHelp = topItem(bar, "&Help");

    connect(mnuNew, &QAction::triggered, this, [this] { mnuNew_Click(); });
    connect(mnuExit, &QAction::triggered, this, [this] { mnuExit_Click(); });
    connect(mnuFormSize, &QAction::triggered, this, [this] { mnuFormSize_Click(); });
    connect(mnuSetup, &QAction::triggered, this, [this] { mnuSetup_Click(); });
    connect(mnuPostContest, &QAction::triggered, this, [this] { mnuPostContest_Click(); });
}

}  // namespace topband
