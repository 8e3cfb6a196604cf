// The entry fields and the commit of a contact. Keys that cannot belong to a field are passed
// on to the next one, so the whole exchange can be typed without Tab or Space.
#include <QDate>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "core/hand_typed_time.h"
#include "core/letter_case.h"
#include "core/number_text.h"
#include "mainwin/contact_commit.h"
#include "mainwin/entry_widgets.h"
#include "mainwin/main_window.h"
#include "window/field_text_filter.h"
#include "window/key_codes.h"
#include "window/qt_text.h"

namespace topband {
void Form1::connectEntryFields() {
    keys_->attach(*txtCall, [this](int& key) { txtCall_KeyPress(key); });
    keys_->attach(*txtRSTR, [this](int& key) { txtRSTR_KeyPress(key); });
    keys_->attach(*txtSec, [this](int& key) { txtSec_KeyPress(key); });
    keys_->attach(*txtRSTS, [this](int& key) { txtRSTS_KeyPress(key); });
    keys_->attach(*txtCntry, [this](int& key) { txtCntry_KeyPress(key); });
    keys_->attach(*txtPostConTime, [this](int& key) { txtPostConTime_KeyPress(key); });
    keys_->attach(*txtPostConDate, [this](int& key) { txtPostConDate_KeyPress(key); });
    // The same rule as the keys, for text that arrives without them.
    for (const EntryField field : kEntryFields)
        filterFieldText(entryField(field), [field](char16_t c) { return fieldCharacter(field, c); });
    // Read from the field, not the signal: a filtered change signals the text before filtering last.
    connect(txtCall, &QLineEdit::textChanged, this, [this] { state_.entry.MacroCall = textOf(*txtCall); });
    connect(txtRSTS, &QLineEdit::textChanged, this, [this] { state_.entry.MacroRST = textOf(*txtRSTS); });
    addHook([this](QObject* watched, QEvent* event) {
        if (event->type() != QEvent::FocusIn) return false;
        if (watched == txtCall) txtCall_GotFocus();
        if (watched == txtPostConTime) txtPostConTime_GotFocus();
        if (watched == txtPostConDate) txtPostConDate_GotFocus();
        return false;
    })
        .watch(*txtCall)
        .watch(*txtPostConTime)
        .watch(*txtPostConDate);
}

QLineEdit& Form1::entryField(EntryField field) const {
    switch (field) {
        case EntryField::Call: return *txtCall;
        case EntryField::ReportReceived: return *txtRSTR;
        case EntryField::Section: return *txtSec;
        case EntryField::ReportSent: return *txtRSTS;
        case EntryField::Country: return *txtCntry;
        case EntryField::PostContestTime: return *txtPostConTime;
        case EntryField::PostContestDate: return *txtPostConDate;
    }
    return *txtCall;
}

bool Form1::handleEntryKey(EntryField field, QLineEdit* next, int& keyAscii) {
    const KeyDecision decision = entryKeyDecision(field, keyAscii, viewOf(entryField(field)));
    keyAscii = decision.action == KeyAction::Type ? decision.key : kNoKey;
    switch (decision.action) {
        case KeyAction::Type: return true;
        case KeyAction::Commit: Mains(); break;
        case KeyAction::ClearEntry: cmdClear_Click(); break;
        case KeyAction::PassOn: passKeyOn(decision.key, decision.target); break;
        case KeyAction::MoveOn:
            if (next != nullptr)
                next->setFocus();
            else
                focusNextChild();
            break;
    }
    return false;
}

void Form1::passKeyOn(int keyAscii, std::uint8_t target) {
    EntryState& entry = state_.entry;
    entry.ForwardedKey = formatInteger(keyAscii);
    entry.ForwardTarget = target;
    const struct {
        std::uint8_t target;
        QLineEdit* field;
        void (Form1::*handler)(int&);
    } routes[] = {
        {kToReportReceived, txtRSTR, &Form1::txtRSTR_KeyPress},
        {kToSection, txtSec, &Form1::txtSec_KeyPress},
        {kToReportSent, txtRSTS, &Form1::txtRSTS_KeyPress},
        {kToCountry, txtCntry, &Form1::txtCntry_KeyPress},
    };
    for (const auto& route : routes) {
        if (route.target != target) continue;
        route.field->setFocus();
        // Leaving the call ran the full check; a duplicate has emptied the entry.
        if (entry.DupeFlag) {
            entry.ForwardTarget = kToNone;
            return;
        }
        int forwarded = keyAscii;
        (this->*route.handler)(forwarded);
        return;
    }
}

std::optional<int> Form1::takeForwardedKey(std::uint8_t target) {
    EntryState& entry = state_.entry;
    if (entry.ForwardTarget != target) return std::nullopt;
    entry.ForwardTarget = kToNone;
    return static_cast<int>(parseInteger(entry.ForwardedKey, 0, 0x7F).value_or(0));
}

bool Form1::startFieldWithForwardedKey(EntryField field) {
    const auto forwarded = takeForwardedKey(forwardTargetOf(field));
    if (!forwarded) return false;
    const int key = fieldKey(field, *forwarded);
    QLineEdit& into = entryField(field);
    into.setText(key == kNoKey ? QString() : QString(QChar(key)));
    into.setCursorPosition(static_cast<int>(into.text().size()));
    return true;
}

void Form1::txtCall_GotFocus() {
    cmdEdit->hide();
    cmdDelete->hide();
    if (!txtCall->text().isEmpty()) return;
    txtRSTR->clear();
    txtRSTS->clear();
}

void Form1::txtCall_KeyPress(int& keyAscii) {
    WaitAfterDupe(keyAscii);
    if (state_.entry.DupeFlag) return;
    QFont font = lblDupe->font();
    font.setPointSizeF(lblDupeFontPoints(9));
    lblDupe->setFont(font);
    const qsizetype before = txtCall->text().size();
    if (before < 2) {
        txtCntry->clear();
        for (QLabel* l : {Label19, Label22, Label23}) l->clear();
    }
    const KeyDecision decision = entryKeyDecision(EntryField::Call, keyAscii, viewOf(*txtCall));
    keyAscii = decision.action == KeyAction::Type ? decision.key : kNoKey;
    if (decision.action == KeyAction::ClearEntry) cmdClear_Click();
    if (decision.action == KeyAction::PassOn) {
        passKeyOn(decision.key, decision.target);
        if (state_.entry.DupeFlag) return;
    }
    if (before < 3) showMessage(QStringLiteral(" "));
    if (decision.action == KeyAction::Commit) {
        // Enter leaves the call as Tab would (duplicate check, reports filled), then commits;
        // the commit's message stays, which the partial scan would overwrite.
        txtCall_LostFocus();
        if (!state_.entry.DupeFlag) Mains();
        return;
    }
    if (decision.action == KeyAction::MoveOn) txtRSTR->setFocus();
    PartialDupeScan(keyAscii);
}

void Form1::txtCall_LostFocus() {
    if (txtCall->text().isEmpty()) return;
    dupcheck();
    if (state_.entry.DupeFlag) return;  // the entry has been emptied and must stay so
    for (QLineEdit* report : {txtRSTR, txtRSTS}) {
        if (!report->text().isEmpty()) continue;
        report->setText(QString::fromLatin1(kDefaultReport));
        report->selectAll();
    }
}

void Form1::txtRSTR_KeyPress(int& keyAscii) {
    if (startFieldWithForwardedKey(EntryField::ReportReceived)) {
        keyAscii = kNoKey;
        return;
    }
    handleEntryKey(EntryField::ReportReceived, txtSec, keyAscii);
}

void Form1::txtSec_KeyPress(int& keyAscii) {
    // "R" starts the Canadian sections, which change whether the country counts as new.
    if (txtSec->text().compare(QStringLiteral("R"), Qt::CaseInsensitive) == 0) txtCntry_Change();
    if (startFieldWithForwardedKey(EntryField::Section)) {
        keyAscii = kNoKey;
        return;
    }
    handleEntryKey(EntryField::Section, txtRSTS, keyAscii);
}

void Form1::txtRSTS_KeyPress(int& keyAscii) {
    if (startFieldWithForwardedKey(EntryField::ReportSent)) {
        keyAscii = kNoKey;
        return;
    }
    handleEntryKey(EntryField::ReportSent, txtCntry, keyAscii);
}

void Form1::txtCntry_KeyPress(int& keyAscii) {
    if (const auto forwarded = takeForwardedKey(kToCountry)) {
        // A passed-on letter starts the country afresh and completes like a typed one.
        keyAscii = kNoKey;
        txtCntry->clear();
        int completed = fieldKey(EntryField::Country, *forwarded);
        CompleteCountry(completed);
        if (completed != kNoKey) txtCntry->setText(QString(QChar(completed)));
        return;
    }
    if (handleEntryKey(EntryField::Country, nullptr, keyAscii)) CompleteCountry(keyAscii);
}

void Form1::txtPostConTime_GotFocus() { txtPostConTime->selectAll(); }

void Form1::txtPostConTime_KeyPress(int& keyAscii) { handleEntryKey(EntryField::PostContestTime, nullptr, keyAscii); }

void Form1::txtPostConDate_GotFocus() {
    if (txtPostConDate->text().isEmpty()) offerUtcDate();
    txtPostConDate->selectAll();
}

// Contacts are logged in UTC, so the date offered is the UTC one.
void Form1::offerUtcDate() {
    const CivilTime utc = services_.clock.utcNow();
    txtPostConDate->setText(QDate(utc.year, utc.month, utc.day).toString(QStringLiteral("yyyy/MM/dd")));
}

void Form1::txtPostConDate_KeyPress(int& keyAscii) { handleEntryKey(EntryField::PostContestDate, nullptr, keyAscii); }

void Form1::mnuPostContest_Click() {
    const bool on = txtPostConTime->isHidden();
    for (QWidget* w : std::initializer_list<QWidget*>{lblPostConTime, txtPostConTime, lblPostConDate, txtPostConDate})
        w->setVisible(on);
    mnuPostContest->setChecked(on);
    if (on) offerUtcDate();
}

bool Form1::postContestMode() const { return !txtPostConTime->isHidden(); }

void Form1::frmcmp() {
    const auto missing = missingEntryField(
        {textOf(*txtCall), textOf(*txtRSTR), textOf(*txtSec), textOf(*txtRSTS), textOf(*txtCntry)}, state_.prefixes);
    state_.entry.MissingFieldFlag = missing.has_value();
    if (!missing) return;
    showMessage(QString::fromLatin1(missing->message));
    entryField(missing->field).setFocus();
}

bool Form1::readPostContestFields() {
    const auto date = storedDateFromTyped(textOf(*txtPostConDate));
    if (!date) {
        showMessage(QStringLiteral("Invalid date format!"));
        services_.ui.beep();
        return false;
    }
    txtPostConDate->setText(qtText(*date));
    const auto time = storedTimeFromTyped(textOf(*txtPostConTime), false);
    if (!time) {
        showMessage(QStringLiteral("Invalid time format!"));
        services_.ui.beep();
        return false;
    }
    txtPostConTime->setText(qtText(*time));
    return true;
}

void Form1::Mains() {
    if (postContestMode() && !readPostContestFields()) return;
    if (equalsIgnoringCase(textOf(*txtSec), "DX")) txtSec->clear();
    frmcmp();
    EntryState& entry = state_.entry;
    entry.InvalidSectionFlag = !CheckSection();
    dupcheck();
    if (!entry.MissingFieldFlag && !entry.DupeFlag && !entry.InvalidSectionFlag && !storeEntry()) return;
    if (!entry.InvalidSectionFlag && !entry.MissingFieldFlag) {
        emptyEntry();
        txtCall->setFocus();
    }
    showPartialList({});
    TimeStats();
}

bool Form1::storeEntry() {
    const std::string call = textOf(*txtCall);
    Contact contact{
        call, textOf(*txtRSTR), textOf(*txtSec), textOf(*txtRSTS), storedCountry(call, textOf(*txtCntry)), {}, {}};
    const LiveStamp stamp = liveStamp(services_.clock.localNow(), state_.prefs.UtcOffset, services_.clock.utcNow());
    const bool typedTime = postContestMode();
    contact.date = typedTime ? textOf(*txtPostConDate) : stamp.date;
    contact.time = typedTime ? textOf(*txtPostConTime) : stamp.time;
    const StoreResult stored = storeContact(state_.logbook, state_.folders, services_.files, contact);
    if (stored.outcome == StoreOutcome::LogFull) {
        services_.ui.beep();
        showMessage(QStringLiteral("Log full: %1 contacts! This contact was not stored.").arg(MaxContacts));
        return false;
    }
    if (stored.outcome == StoreOutcome::AppendFailed) {
        services_.ui.messageBox("Error Writing Log",
                                stored.error + "  The contact was not stored; it stays in the entry fields.",
                                MessageButtons::Ok, MessageIcon::Critical);
        txtCall->setFocus();
        return false;
    }
    Listdisplay();
    // Stamped live with a clock that disagrees with itself: the stored times may be wrong.
    if (!typedTime) clockWarning_ = stamp.clockDisagrees;
    showMessage({});
    if (stored.countryAdded) refillCountryList();
    if (stored.sectionNewlyWorked) paintSections();
    Labeldisplay();
    return true;
}

void Form1::emptyEntry() {
    for (QLineEdit* field : {txtRSTS, txtCntry, txtCall, txtRSTR, txtSec}) field->clear();
    for (QLabel* label : {Label19, Label22, Label23}) label->clear();
}

void Form1::cmdClear_Click() {
    emptyEntry();
    showPartialList({});
    showMessage({});
    txtCall->setFocus();
}

}  // namespace topband
