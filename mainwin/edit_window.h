#pragma once
// The edit window: one logged contact in seven fields, checked by Done before it may replace
// the stored record. The window changes nothing itself; the main window takes the checked
// contact from editedContact() and rewrites the log.
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <functional>
#include <optional>

#include "mainwin/entry_rules.h"
#include "platform/services.h"
#include "state/app_state.h"
#include "window/designed_form.h"
#include "window/event_hook.h"

namespace topband {

class KeyPressFilter;

class frmEditCon final : public QDialog {
    Q_OBJECT

public:
    // `deleteContact` runs the main window's delete flow for this record (after its own question).
    frmEditCon(const AppState& state, Services& services, int recordNumber, std::function<void()> deleteContact,
               QWidget* parent = nullptr);

    // The contact as Done accepted it: date and time in their stored forms.
    const std::optional<Contact>& editedContact() const { return edited_; }

    void cmdDone_Click();
    void cmdDeleteDupe_Click();

    QLabel lblEditTitle{QStringLiteral("Edit Contact:"), this};
    QLabel lblcall{QStringLiteral("Callsign"), this};
    QLineEdit txtEditCall{this};
    QLabel lblNum{QStringLiteral("Rst(S)"), this};
    QLineEdit txtEditNum{this};
    QLabel lblChck{QStringLiteral("Rst(R)"), this};
    QLineEdit txtEditCk{this};
    QLabel lblSec{QStringLiteral("Section"), this};
    QLineEdit txtEditSec{this};
    QLabel lblPre{QStringLiteral("Country"), this};
    QLineEdit txtEditPre{this};
    QLabel lblDate{QStringLiteral("Date"), this};
    QLineEdit txtEditDate{this};
    QLabel lblTime{QStringLiteral("Time"), this};
    QLineEdit txtEditTime{this};
    QLabel Label1{QStringLiteral("  Dupe!"), this};
    QLabel Label2{QStringLiteral("Invalid!"), this};
    QPushButton cmdDeleteDupe{QStringLiteral("Delete Dupe"), this};
    QPushButton cmdDone{QStringLiteral("Done"), this};

private:
    void layOut();
    void Form_Load();
    void attachKeys();
    void txtEditField_KeyPress(EntryField field, int& keyAscii);
    // Leaving the date or the time checks it.
    bool dateOrTimeLeft(QObject* watched, const QEvent& event);
    // Shows "Dupe!" and "Delete Dupe" while another record has the call; the number of them.
    int showDuplicates();
    // A date or time that does not read as one: beep, say so, and back into the field.
    bool dateAccepted();
    bool timeAccepted();
    std::optional<std::string> storedDate() const;
    std::optional<std::string> storedTime() const;

    const AppState& state_;
    Services& services_;
    const int recordNumber_;
    std::function<void()> deleteContact_;
    DesignedForm form_;
    KeyPressFilter* keys_;
    EventHook events_{[this](QObject* watched, QEvent* event) { return dateOrTimeLeft(watched, *event); }};
    std::optional<Contact> edited_;
};

}  // namespace topband
