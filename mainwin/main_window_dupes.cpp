// Duplicate checks while a call is typed and when it is left, and the hold after a duplicate.
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "core/duplicates.h"
#include "mainwin/contact_commit.h"
#include "mainwin/main_window.h"
#include "window/key_codes.h"
#include "window/qt_text.h"

namespace topband {
void Form1::connectCallField() {
    connectEntryFields();
    addHook([this](QObject*, QEvent* event) {
        if (event->type() == QEvent::FocusOut) txtCall_LostFocus();
        return false;
    }).watch(*txtCall);
    connect(cmdDup, &QPushButton::clicked, this, [this] { cmdDup_Click(); });
    connect(cmdClear, &QPushButton::clicked, this, [this] { cmdClear_Click(); });
}

double Form1::lblDupeFontPoints(double perDesignWidth) const {
    return std::max(1.0, services_.screen.screen().width * perDesignWidth / 9600 * state_.prefs.FormSizePercent / 100);
}

void Form1::PartialDupeScan(int keyAscii) {
    const PartialDupeResult result =
        partialDupeScan(state_.logbook.log, stdText(txtCall->text()), keyAscii, state_.entry.PartialDupesOn);
    showPartialList(result.list);
    showMessage(qtText(result.message));
    if (result.beep) services_.ui.beep();
}

void Form1::showMessage(const QString& text, bool alarm) {
    // A clock that disagrees with itself stays in view until a commit finds it right again.
    if (clockWarning_ && text.trimmed().isEmpty()) {
        lblDialog->setText(QStringLiteral("Check the clock: local time + UTC offset is more than a minute off UTC!"));
        showDialogAlarm(true);
        return;
    }
    lblDialog->setText(text);
    showDialogAlarm(alarm);
}

void Form1::checkClock() {
    const CivilTime local = services_.clock.localNow();
    clockWarning_ = liveStamp(local, state_.prefs.UtcOffset, services_.clock.utcNow()).clockDisagrees;
}

void Form1::showDialogAlarm(bool alarm) {
    lblDialog->setStyleSheet(alarm ? QStringLiteral("background-color: #FF0000; color: white; padding-left: 4px;")
                                   : QStringLiteral("background-color: #00C0C0; padding-left: 4px;"));
}

void Form1::showPartialList(const std::string& list) {
    lblDupe->setStyleSheet(list.empty() ? QString() : QStringLiteral("background-color: #00C0C0;"));
    lblDupe->setText(qtText(list));
}

void Form1::dupcheck() {
    state_.entry.DupeFlag = false;
    const auto duplicate = findDuplicate(state_.logbook.log, stdText(txtCall->text()));
    if (!duplicate) return;
    showMessage(qtText(duplicate->message), true);
    showPartialList({});
    services_.ui.beep();
    state_.entry.DupeFlag = true;
    state_.entry.DupeTime = services_.clock.localNow();
    txtCall->setFocus();
    for (QLineEdit* field : {txtRSTS, txtCntry, txtCall, txtRSTR, txtSec}) field->clear();
    for (QLabel* label : {Label19, Label22, Label23}) label->clear();
}

// The three seconds after a duplicate drop every key typed into the call field, Enter
// included: the rest of the duplicate's exchange must not become a contact. The window keeps
// running meanwhile; the first key after the hold is taken as typed.
void Form1::WaitAfterDupe(int& keyAscii) {
    if (!state_.entry.DupeFlag) return;
    if (dupeHoldOver(state_.entry.DupeTime, services_.clock.localNow())) {
        state_.entry.DupeFlag = false;
        return;
    }
    keyAscii = kNoKey;
}

void Form1::cmdDup_Click() {
    showPartialList({});
    state_.entry.PartialDupesOn = !state_.entry.PartialDupesOn;
    cmdDup->setText(state_.entry.PartialDupesOn ? QStringLiteral("On") : QStringLiteral("Off"));
    txtCall->setFocus();
}

}  // namespace topband
