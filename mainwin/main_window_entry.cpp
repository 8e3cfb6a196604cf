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
#include "window/field_text_filter.h"
#include "mainwin/main_window.h"

namespace topband {
namespace {

constexpr int kBackspace = 8;
constexpr int kEnter = 13;
constexpr int kEscape = 27;
constexpr int kBlank = 32;
constexpr int kQuote = 34;

// Field codes of ForwardTarget.
constexpr std::uint8_t kToReportSent = 1;
constexpr std::uint8_t kToCountry = 2;
constexpr std::uint8_t kToSection = 3;
constexpr std::uint8_t kToReportReceived = 4;

constexpr const char* kDefaultReport = "599";

bool isDigit(int keyAscii) { return keyAscii >= '0' && keyAscii <= '9'; }
std::string text(const QLineEdit* field) { return field->text().toStdString(); }

// A call is complete once a digit from its second character on is followed by more
// characters and nothing but letters and digits stands after the first: a further digit
// then starts the report.
bool completeCall(const QString& call) {
    int lastDigit = -1;
    for (int i = 1; i < call.size(); ++i) {
        const char16_t c = call[i].unicode();
        if (c < u'0') return false;
        if (c <= u'9') lastDigit = i;
    }
    return call.size() > 2 && lastDigit >= 1 && lastDigit < call.size() - 1;
}

}  // namespace

void Form1::connectEntryFields() {
    keys_->attach(*txtCall, [this](int& key) { txtCall_KeyPress(key); });
    keys_->attach(*txtRSTR, [this](int& key) { txtRSTR_KeyPress(key); });
    keys_->attach(*txtSec, [this](int& key) { txtSec_KeyPress(key); });
    keys_->attach(*txtRSTS, [this](int& key) { txtRSTS_KeyPress(key); });
    // Replaces the completion-only handler attached with the country lookup.
    keys_->attach(*txtCntry, [this](int& key) { txtCntry_KeyPress(key); });
    keys_->attach(*txtPostConTime, [this](int& key) { txtPostConTime_KeyPress(key); });
    keys_->attach(*txtPostConDate, [this](int& key) { txtPostConDate_KeyPress(key); });
    filterFieldText(*txtCall, callCharacter);
    for (QLineEdit* field : {txtRSTR, txtSec, txtRSTS, txtCntry}) filterFieldText(*field, quotedFieldCharacter);
    filterFieldText(*txtPostConTime, [](char16_t c) { return (c >= u'0' && c <= u'9') || c == u':' ? c : char16_t{}; });
    filterFieldText(*txtPostConDate, [](char16_t c) { return (c >= u'0' && c <= u'9') || c == u'/' ? c : char16_t{}; });
    connect(txtCall, &QLineEdit::textChanged, this, [this](const QString& call) { state_.entry.MacroCall = call.toStdString(); });
    connect(txtRSTS, &QLineEdit::textChanged, this, [this](const QString& rst) { state_.entry.MacroRST = rst.toStdString(); });
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

void Form1::Capital(int& keyAscii) {
    if (keyAscii != 9 && keyAscii >= 'a' && keyAscii <= 'z') keyAscii -= 32;
}

void Form1::number(int& keyAscii) {
    if (keyAscii != kBackspace && !isDigit(keyAscii)) keyAscii = 0;
}

void Form1::passKeyOn(int keyAscii, std::uint8_t target) {
    ForwardedKey = formatInteger(keyAscii);
    ForwardTarget = target;
}

void Form1::passKeyOnTo(int& keyAscii, std::uint8_t target, void (Form1::*next)(int&)) {
    passKeyOn(keyAscii, target);
    int forwarded = keyAscii;
    (this->*next)(forwarded);
    keyAscii = kBlank;
}

bool Form1::commitOnEnter(int& keyAscii) {
    if (keyAscii != kEnter) return false;
    keyAscii = 0;
    Mains();
    return true;
}

int Form1::forwardedKeyFor(std::uint8_t target, int keyAscii) const {
    if (ForwardTarget != target) return keyAscii;
    return static_cast<int>(parseInteger(ForwardedKey, 0, 0x7F).value_or(0));
}

void Form1::takeForwardedKey(QLineEdit& field, int keyAscii) {
    field.setText(keyAscii == 0 ? QString() : QString(QChar(keyAscii)));
    field.setCursorPosition(static_cast<int>(field.text().size()));
    ForwardTarget = 0;
}

void Form1::txtCall_GotFocus() {
    cmdEdit->hide();
    cmdDelete->hide();
    if (!txtCall->text().isEmpty()) return;
    txtRSTR->clear();
    txtRSTS->clear();
}

void Form1::txtCall_KeyPress(int& keyAscii) {
    if (state_.entry.DupeFlag) {
        // Held, not dropped: replayed in order once three seconds have passed.
        WaitAfterDupe(keyAscii);
        keyAscii = 0;
        return;
    }
    QFont font = lblDupe->font();
    font.setPointSizeF(lblDupeFontPoints(9));
    lblDupe->setFont(font);
    const QString before = txtCall->text();
    if (before.size() < 2) {
        txtCntry->clear();
        for (QLabel* l : {Label19, Label22, Label23}) l->clear();
    }
    if (keyAscii == kEscape) {
        cmdClear_Click();
        keyAscii = 0;
    }
    if (keyAscii == kQuote) keyAscii = 0;
    const bool cursorAtEnd = !txtCall->hasSelectedText() && txtCall->cursorPosition() == before.size();
    if (isDigit(keyAscii) && cursorAtEnd && completeCall(before)) {
        const int digit = keyAscii;
        keyAscii = 0;
        passKeyOn(digit, kToReportReceived);
        txtRSTR->setFocus();
        // Leaving the call ran the full check; a duplicate has emptied the entry.
        if (state_.entry.DupeFlag) {
            ForwardTarget = 0;
            return;
        }
        int forwarded = digit;
        txtRSTR_KeyPress(forwarded);
    }
    if (before.size() < 3) lblDialog->setText(QStringLiteral(" "));
    if (keyAscii == kEnter) {
        keyAscii = 0;
        // The commit's message stays; the partial scan would overwrite it.
        Mains();
        return;
    }
    if (keyAscii == kBlank && ForwardTarget != kToReportReceived) {
        keyAscii = 0;
        txtRSTR->setFocus();
    }
    Capital(keyAscii);
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
    if (keyAscii > '9') {
        passKeyOnTo(keyAscii, kToSection, &Form1::txtSec_KeyPress);
    }
    keyAscii = forwardedKeyFor(kToReportReceived, keyAscii);
    if (commitOnEnter(keyAscii)) return;
    if (keyAscii == kBlank) txtSec->setFocus();
    number(keyAscii);
    if (ForwardTarget == kToReportReceived) takeForwardedKey(*txtRSTR, keyAscii);
}

void Form1::txtSec_KeyPress(int& keyAscii) {
    // "R" starts the Canadian sections, which change whether the country counts as new.
    if (txtSec->text().compare(QStringLiteral("R"), Qt::CaseInsensitive) == 0) txtCntry_Change();
    if (keyAscii == kQuote) keyAscii = 0;
    if (keyAscii > kBlank && keyAscii <= '9') {
        passKeyOnTo(keyAscii, kToReportSent, &Form1::txtRSTS_KeyPress);
    }
    keyAscii = forwardedKeyFor(kToSection, keyAscii);
    if (commitOnEnter(keyAscii)) return;
    if (keyAscii == kBlank) {
        keyAscii = 0;
        txtRSTS->setFocus();
    }
    Capital(keyAscii);
    if (ForwardTarget == kToSection) takeForwardedKey(*txtSec, keyAscii);
}

void Form1::txtRSTS_KeyPress(int& keyAscii) {
    if (keyAscii > '9') {
        Capital(keyAscii);
        passKeyOnTo(keyAscii, kToCountry, &Form1::txtCntry_KeyPress);
    }
    keyAscii = forwardedKeyFor(kToReportSent, keyAscii);
    if (commitOnEnter(keyAscii)) return;
    if (keyAscii == kBlank) txtCntry->setFocus();
    number(keyAscii);
    if (ForwardTarget == kToReportSent) takeForwardedKey(*txtRSTS, keyAscii);
}

void Form1::txtCntry_KeyPress(int& keyAscii) {
    if (keyAscii == kQuote) keyAscii = 0;
    keyAscii = forwardedKeyFor(kToCountry, keyAscii);
    if (commitOnEnter(keyAscii)) return;
    if (ForwardTarget == kToCountry) {
        // A passed-on letter starts the country afresh and completes like a typed one.
        ForwardTarget = 0;
        txtCntry->clear();
        int completed = keyAscii;
        CompleteCountry(completed);
        if (completed != 0) takeForwardedKey(*txtCntry, completed);
        return;
    }
    if (keyAscii == kBlank && txtCntry->cursorPosition() == 0) {
        keyAscii = 0;
        focusNextChild();
        return;
    }
    CompleteCountry(keyAscii);
}

// The post-contest fields take digits and their separator; Space moves on, Enter commits.
void Form1::postContestKey(int& keyAscii, char separator) {
    if (keyAscii == kBlank) {
        keyAscii = 0;
        focusNextChild();
    } else if (!commitOnEnter(keyAscii) && keyAscii != kBackspace && keyAscii != separator && !isDigit(keyAscii)) {
        keyAscii = 0;
    }
}

void Form1::txtPostConTime_GotFocus() { txtPostConTime->selectAll(); }

void Form1::txtPostConTime_KeyPress(int& keyAscii) {
    postContestKey(keyAscii, ':');
}

void Form1::txtPostConDate_GotFocus() {
    // Contacts are logged in UTC, so the date offered is the UTC one.
    if (txtPostConDate->text().isEmpty()) {
        const CivilTime utc = services_.clock.utcNow();
        txtPostConDate->setText(QDate(utc.year, utc.month, utc.day).toString(QStringLiteral("yyyy/MM/dd")));
    }
    txtPostConDate->selectAll();
}

void Form1::txtPostConDate_KeyPress(int& keyAscii) {
    postContestKey(keyAscii, '/');
}

void Form1::mnuPostContest_Click() {
    const bool on = txtPostConTime->isHidden();
    for (QWidget* w : std::initializer_list<QWidget*>{lblPostConTime, txtPostConTime, lblPostConDate, txtPostConDate})
        w->setVisible(on);
    mnuPostContest->setChecked(on);
}

bool Form1::postContestMode() const { return !txtPostConTime->isHidden(); }

void Form1::frmcmp() {
    const bool needsSection = isWVeCountry(text(txtCntry)) && txtSec->text().isEmpty();
    const struct { bool fails; const char* message; QLineEdit* field; } checks[] = {
        {needsSection, "Need Section!", txtSec},
        {txtRSTR->text().isEmpty(), "Report Received!", txtRSTR},
        {txtCall->text().size() < 3, "Need Call Sign!", txtCall},
        {txtCntry->text().isEmpty(), "Need Country!", txtCntry},
        {txtRSTS->text().isEmpty(), "Need Report Sent!", txtRSTS},
    };
    // Every check reads the fields as the operator left them; the last failure is shown.
    MissingFieldFlag = false;
    const auto* last = &checks[0];
    for (const auto& check : checks) {
        if (!check.fails) continue;
        MissingFieldFlag = true;
        last = &check;
    }
    if (!MissingFieldFlag) return;
    lblDialog->setText(QString::fromLatin1(last->message));
    last->field->setFocus();
}

bool Form1::readPostContestFields() {
    const auto date = storedDateFromTyped(text(txtPostConDate));
    if (!date) {
        lblDialog->setText(QStringLiteral("Invalid date format!"));
        services_.ui.beep();
        return false;
    }
    txtPostConDate->setText(QString::fromStdString(*date));
    const auto time = storedTimeFromTyped(text(txtPostConTime), false);
    if (!time) {
        lblDialog->setText(QStringLiteral("Invalid time format!"));
        services_.ui.beep();
        return false;
    }
    txtPostConTime->setText(QString::fromStdString(*time));
    return true;
}

void Form1::Mains() {
    if (postContestMode() && !readPostContestFields()) return;
    if (equalsIgnoringCase(text(txtSec), "DX")) txtSec->clear();
    frmcmp();
    InvalidSectionFlag = !CheckSection();
    dupcheck();
    if (!MissingFieldFlag && !state_.entry.DupeFlag && !InvalidSectionFlag && !storeEntry()) return;
    if (!InvalidSectionFlag && !MissingFieldFlag) {
        emptyEntry();
        txtCall->setFocus();
    }
    showPartialList({});
    TimeStats();
}

bool Form1::storeEntry() {
    Contact contact{text(txtCall), text(txtRSTR), text(txtSec), text(txtRSTS), text(txtCntry), {}, {}};
    const LiveStamp stamp = liveStamp(services_.clock.localNow(), state_.prefs.UtcOffset, services_.clock.utcNow());
    const bool typedTime = postContestMode();
    contact.date = typedTime ? text(txtPostConDate) : stamp.date;
    contact.time = typedTime ? text(txtPostConTime) : stamp.time;
    const StoreResult stored = storeContact(state_.logbook, state_.folders, services_.files, contact);
    if (stored.outcome == StoreOutcome::LogFull) {
        services_.ui.beep();
        lblDialog->setText(QStringLiteral("Log full: %1 contacts! This contact was not stored.").arg(MaxContacts));
        return false;
    }
    if (stored.outcome == StoreOutcome::AppendFailed) {
        services_.ui.messageBox("Error Writing Log",
                                stored.error + "  The contact was not stored; it stays in the entry fields.",
                                MessageButtons::Ok, MessageIcon::Critical);
        return false;
    }
    Listdisplay();
    showDialogAlarm(false);
    // Stamped live with a clock that disagrees with itself: the stored times may be wrong.
    lblDialog->setText(!typedTime && stamp.clockDisagrees
                           ? QStringLiteral("Check the clock: local time + UTC offset is more than a minute off UTC!")
                           : QString());
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
    showDialogAlarm(false);
    lblDialog->clear();
    txtCall->setFocus();
}

}  // namespace topband
