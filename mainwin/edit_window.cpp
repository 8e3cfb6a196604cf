#include "mainwin/edit_window.h"

#include <QFocusEvent>

#include "core/hand_typed_time.h"
#include "core/recent_contacts.h"
#include "window/field_text_filter.h"
#include "window/key_press_filter.h"

namespace topband {
namespace {

constexpr int kBackspace = 8;
constexpr int kEnter = 13;
constexpr int kQuote = 34;

// Upper-cases a typed letter; every other key passes unchanged.
int Cap2(int key) { return key >= 'a' && key <= 'z' ? key - 32 : key; }

QString qs(const std::string& text) { return QString::fromStdString(text); }
std::string text(const QLineEdit& field) { return field.text().toStdString(); }

// Where the typed key lands: the start of a selection, else the cursor.
int insertionPoint(const QLineEdit& field) {
    return field.hasSelectedText() ? field.selectionStart() : field.cursorPosition();
}

char16_t dateCharacter(char16_t c) { return (c >= u'0' && c <= u'9') || c == u'/' ? c : 0; }
char16_t timeCharacter(char16_t c) { return (c >= u'0' && c <= u'9') || c == u':' ? c : 0; }

}  // namespace

frmEditCon::frmEditCon(const AppState& state, Services& services, int recordNumber,
                       std::function<void()> deleteContact, QWidget* parent)
    : QDialog(parent),
      state_(state),
      services_(services),
      recordNumber_(recordNumber),
      deleteContact_(std::move(deleteContact)),
      form_(*this, 6000, 4200),
      keys_(new KeyPressFilter(this)) {
    setWindowTitle(QStringLiteral("Edit Contact Entry"));
    layOut();
    for (QLabel* mark : {&Label1, &Label2}) mark->hide();
    cmdDeleteDupe.hide();
    // Enter belongs to the fields' own handlers.
    for (QPushButton* button : {&cmdDone, &cmdDeleteDupe}) button->setAutoDefault(false);
    attachKeys();
    connect(&cmdDone, &QPushButton::clicked, this, [this] { cmdDone_Click(); });
    connect(&cmdDeleteDupe, &QPushButton::clicked, this, [this] { cmdDeleteDupe_Click(); });
    Form_Load();
    txtEditCall.setFocus();
}

void frmEditCon::layOut() {
    // A title row, then labels in a left column, fields beside them and the marks to their right.
    constexpr double labelLeft = 240, labelWidth = 1200, fieldLeft = 1560, markLeft = 3540;
    constexpr double firstRow = 720, rowPitch = 390, fieldHeight = 300, labelOffset = 45, labelHeight = 240;
    QFont bold = lblEditTitle.font();
    bold.setBold(true);
    lblEditTitle.setFont(bold);
    form_.place(lblEditTitle, labelLeft, 180, 3000, 390, 12);
    const auto row = [&](QLabel& label, QLineEdit& field, int index, double fieldWidth) {
        const double top = firstRow + index * rowPitch;
        form_.place(label, labelLeft, top + labelOffset, labelWidth, labelHeight);
        form_.place(field, fieldLeft, top, fieldWidth, fieldHeight);
    };
    row(lblcall, txtEditCall, 0, 1800);
    row(lblNum, txtEditNum, 1, 900);
    row(lblChck, txtEditCk, 2, 900);
    row(lblSec, txtEditSec, 3, 900);
    row(lblPre, txtEditPre, 4, 1800);
    row(lblDate, txtEditDate, 5, 1500);
    row(lblTime, txtEditTime, 6, 1500);
    form_.place(Label1, markLeft, firstRow + labelOffset, 900, labelHeight);
    form_.place(cmdDeleteDupe, markLeft + 960, firstRow - 30, 1320, 360);
    form_.place(Label2, markLeft, firstRow + 3 * rowPitch + labelOffset, 900, labelHeight);
    form_.place(cmdDone, 2400, firstRow + 7 * rowPitch + 150, 1200, 420);
}

void frmEditCon::Form_Load() {
    ResizeForm(form_, services_.screen, services_.ui);
    const Contact& c = state_.logbook.log.record(recordNumber_);
    txtEditNum.setText(qs(c.reportSent));
    txtEditPre.setText(qs(c.country));
    txtEditCall.setText(qs(c.call));
    txtEditCk.setText(qs(c.reportReceived));
    txtEditSec.setText(qs(c.section));
    txtEditDate.setText(qs(c.date));
    txtEditTime.setText(qs(c.time));
}

void frmEditCon::attachKeys() {
    for (QLineEdit* field : {&txtEditCall, &txtEditNum, &txtEditCk, &txtEditSec})
        keys_->attach(*field, [this](int& key) { txtEditField_KeyPress(key); });
    keys_->attach(txtEditDate, [this](int& key) { txtEditDate_KeyPress(key); });
    keys_->attach(txtEditTime, [this](int& key) { txtEditTime_KeyPress(key); });
    keys_->attach(txtEditPre, [this](int& key) { txtEditPre_KeyPress(key); });
    // The log file has no escape for a double quote or a line end, however the text arrives.
    filterFieldText(txtEditCall, callCharacter);
    for (QLineEdit* field : {&txtEditNum, &txtEditCk, &txtEditSec, &txtEditPre})
        filterFieldText(*field, quotedFieldCharacter);
    filterFieldText(txtEditDate, dateCharacter);
    filterFieldText(txtEditTime, timeCharacter);
    for (QLineEdit* field : {&txtEditDate, &txtEditTime}) field->installEventFilter(this);
}

void frmEditCon::txtEditField_KeyPress(int& keyAscii) {
    if (keyAscii == kQuote) {
        keyAscii = 0;
    } else if (keyAscii == kEnter) {
        keyAscii = 0;
        cmdDone_Click();
    } else {
        keyAscii = Cap2(keyAscii);
    }
}

void frmEditCon::txtEditDate_KeyPress(int& keyAscii) {
    if (keyAscii == kEnter) {
        keyAscii = 0;
        cmdDone_Click();
    } else if (keyAscii != kBackspace && keyAscii != '/' && (keyAscii < '0' || keyAscii > '9')) {
        keyAscii = 0;
    }
}

void frmEditCon::txtEditTime_KeyPress(int& keyAscii) {
    if (keyAscii == kEnter) {
        keyAscii = 0;
        cmdDone_Click();
    } else if (keyAscii != kBackspace && keyAscii != ':' && (keyAscii < '0' || keyAscii > '9')) {
        keyAscii = 0;
    }
}

// Completes the country from the prefix table as it is typed; the comparison keeps letter case.
void frmEditCon::txtEditPre_KeyPress(int& keyAscii) {
    if (keyAscii == kQuote || keyAscii == kEnter) {
        if (keyAscii == kEnter) cmdDone_Click();
        keyAscii = 0;
        return;
    }
    if (keyAscii < ' ') return;
    int cursor = insertionPoint(txtEditPre);
    // A first letter starts the country anew.
    if (txtEditPre.text().isEmpty() || cursor == 0) {
        txtEditPre.clear();
        cursor = 0;
        keyAscii = Cap2(keyAscii);
    }
    const QString typed = txtEditPre.text().left(cursor) + QChar(keyAscii);
    const std::string wanted = typed.toStdString();
    const PrefixTable& table = state_.prefixes;
    for (int rowNumber = table.PrefixCount(); rowNumber >= 1; --rowNumber) {
        const std::string& country = table.row(rowNumber).country;
        if (!country.starts_with(wanted)) continue;
        const QString completed = qs(country);
        txtEditPre.setText(completed);
        txtEditPre.setCursorPosition(static_cast<int>(completed.size()));
        txtEditPre.cursorBackward(true, static_cast<int>(completed.size() - typed.size()));
        keyAscii = 0;
        return;
    }
}

std::optional<std::string> frmEditCon::storedDate() const { return storedDateFromTyped(text(txtEditDate)); }

std::optional<std::string> frmEditCon::storedTime() const {
    // A contact keeps the precision it was logged with: seconds live, minutes after the contest.
    const bool withSeconds = state_.logbook.log.record(recordNumber_).time.size() > 5;
    return storedTimeFromTyped(text(txtEditTime), withSeconds);
}

bool frmEditCon::dateAccepted() {
    if (storedDate()) return true;
    services_.ui.beep();
    services_.ui.messageBox("Invalid Date Format!", "You have entered an invalid date format!");
    txtEditDate.setFocus();
    return false;
}

bool frmEditCon::timeAccepted() {
    if (storedTime()) return true;
    services_.ui.beep();
    services_.ui.messageBox("Invalid Time Format!", "You have entered an invalid time format!");
    txtEditTime.setFocus();
    return false;
}

void frmEditCon::cmdDone_Click() {
    if (!timeAccepted() || !dateAccepted()) return;
    const int duplicates = otherRecordsWithCall(state_.logbook.log, recordNumber_, text(txtEditCall));
    for (int i = 0; i < duplicates; ++i) services_.ui.beep();
    Label1.setVisible(duplicates > 0);
    if (duplicates > 0) cmdDeleteDupe.show();
    const bool sectionInvalid = state_.logbook.sections.CheckSection(text(txtEditSec), text(txtEditPre)).invalid;
    Label2.setVisible(sectionInvalid);
    if (sectionInvalid) services_.ui.beep();
    if (duplicates > 0 || sectionInvalid) return;
    edited_ = Contact{text(txtEditCall), text(txtEditCk), text(txtEditSec), text(txtEditNum),
                      text(txtEditPre),  *storedDate(),   *storedTime()};
    accept();
}

void frmEditCon::cmdDeleteDupe_Click() {
    deleteContact_();
    reject();
}

bool frmEditCon::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut && isVisible() && (watched == &txtEditDate || watched == &txtEditTime)) {
        // Only a move to another control of this window counts, not a switch to another window.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            if (watched == &txtEditDate)
                dateAccepted();
            else
                timeAccepted();
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace topband
