#include "mainwin/edit_window.h"

#include "core/hand_typed_time.h"
#include "core/recent_contacts.h"
#include "mainwin/entry_widgets.h"
#include "window/field_text_filter.h"
#include "window/key_codes.h"
#include "window/key_press_filter.h"
#include "window/qt_text.h"

namespace topband {
frmEditCon::frmEditCon(const AppState& state, Services& services, int recordNumber, std::function<void()> deleteContact,
                       QWidget* parent)
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
    Label1.setStyleSheet(QStringLiteral("color: #FF0000; font-weight: bold;"));
    // "Dupe!" and "Delete Dupe" follow the call as it is changed.
    connect(&txtEditCall, &QLineEdit::textChanged, this, [this] { showDuplicates(); });
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
    txtEditNum.setText(qtText(c.reportSent));
    txtEditPre.setText(qtText(c.country));
    txtEditCall.setText(qtText(c.call));
    txtEditCk.setText(qtText(c.reportReceived));
    txtEditSec.setText(qtText(c.section));
    txtEditDate.setText(qtText(c.date));
    txtEditTime.setText(qtText(c.time));
}

void frmEditCon::attachKeys() {
    // The fields follow the entry fields' rules, so an edit cannot store what the entry refuses
    // (the log file has no escape for a double quote or a line end, however the text arrives).
    const std::pair<QLineEdit*, EntryField> fields[] = {
        {&txtEditCall, EntryField::Call},
        {&txtEditNum, EntryField::ReportSent},
        {&txtEditCk, EntryField::ReportReceived},
        {&txtEditSec, EntryField::Section},
        {&txtEditPre, EntryField::Country},
        {&txtEditDate, EntryField::PostContestDate},
        {&txtEditTime, EntryField::PostContestTime},
    };
    for (const auto& [field, rule] : fields) {
        keys_->attach(*field, [this, rule](int& key) { txtEditField_KeyPress(rule, key); });
        filterFieldText(*field, [rule](char16_t c) { return fieldCharacter(rule, c); });
    }
    events_.watch(txtEditDate).watch(txtEditTime);
}

// Enter is Done; the country completes from the prefix table as it is typed.
void frmEditCon::txtEditField_KeyPress(EntryField field, int& keyAscii) {
    if (keyAscii == kEnter) {
        keyAscii = kNoKey;
        cmdDone_Click();
        return;
    }
    keyAscii = fieldKey(field, keyAscii);
    if (field == EntryField::Country) completeCountryIn(txtEditPre, state_.prefixes, keyAscii);
}

std::optional<std::string> frmEditCon::storedDate() const { return storedDateFromTyped(textOf(txtEditDate)); }

std::optional<std::string> frmEditCon::storedTime() const {
    // A contact keeps the precision it was logged with: seconds live, minutes after the contest.
    const bool withSeconds = state_.logbook.log.record(recordNumber_).time.size() > 5;
    return storedTimeFromTyped(textOf(txtEditTime), withSeconds);
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
    const int duplicates = showDuplicates();
    for (int i = 0; i < duplicates; ++i) services_.ui.beep();
    const bool sectionInvalid = state_.logbook.sections.CheckSection(textOf(txtEditSec), textOf(txtEditPre)).invalid;
    Label2.setVisible(sectionInvalid);
    if (sectionInvalid) services_.ui.beep();
    if (duplicates > 0 || sectionInvalid) return;
    edited_ = Contact{textOf(txtEditCall), textOf(txtEditCk), textOf(txtEditSec), textOf(txtEditNum),
                      textOf(txtEditPre),  *storedDate(),     *storedTime()};
    accept();
}

int frmEditCon::showDuplicates() {
    const int duplicates = otherRecordsWithCall(state_.logbook.log, recordNumber_, textOf(txtEditCall));
    Label1.setVisible(duplicates > 0);
    cmdDeleteDupe.setVisible(duplicates > 0);
    return duplicates;
}

void frmEditCon::cmdDeleteDupe_Click() {
    deleteContact_();
    reject();
}

bool frmEditCon::dateOrTimeLeft(QObject* watched, const QEvent& event) {
    if (!isVisible() || !focusMovedWithinWindow(event)) return false;
    if (watched == &txtEditDate)
        dateAccepted();
    else
        timeAccepted();
    return false;
}

}  // namespace topband
