#pragma once
// The station window: own call, section, UTC offset, country and position, shown modally at
// every start and from Setup. Done writes the shared preferences; the caller then copies the
// fields into the preferences with storeStation().
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "mainwin/entry_rules.h"
#include "platform/services.h"
#include "state/app_state.h"
#include "window/designed_form.h"
#include "window/event_hook.h"

namespace topband {

class KeyPressFilter;

class frmStationID final : public QDialog {
    Q_OBJECT

public:
    frmStationID(AppState& state, Services& services, QWidget* parent = nullptr);

    // Copies the confirmed fields into OwnCall, OwnSection, UtcOffset, OwnCountry, OwnLongitude
    // and OwnLatitude. Call it only after Done accepted the window: the numbers are checked then.
    void storeStation(Preferences& prefs) const;

    // Done.
    void Command1_Click();

    QLabel Label1{QStringLiteral("Please Enter your Call Sign:"), this};
    QLineEdit Text1{this};
    QLabel Label4{QStringLiteral("Section:"), this};
    QLineEdit Text5{this};
    QLabel Label6{QStringLiteral("(MDC, SK, etc.)"), this};
    QLabel Label7{QStringLiteral("Hours added for UTC:"), this};
    QLineEdit Text6{this};
    QPushButton Command1{QStringLiteral("Done"), this};
    QLabel Label2{QStringLiteral("Your Country:"), this};
    QLineEdit Text2{this};
    QLabel Label3{QStringLiteral("Your Longitude:"), this};
    QLineEdit Text3{this};
    QLabel Label5{QStringLiteral("Your Latitude:"), this};
    QLineEdit Text4{this};

private:
    void layOut();
    void Form_Load();
    void Text1_KeyPress(int& KeyAscii);
    void Text5_KeyPress(int& KeyAscii);
    void Text6_KeyPress(int& KeyAscii);
    void Text6_LostFocus();
    void Text2_KeyPress(int& KeyAscii);
    // Enter runs Done; another key is typed as the field's rule keeps it.
    void enterOrKey(EntryField field, int& KeyAscii);

    AppState& state_;
    Services& services_;
    DesignedForm form_;
    KeyPressFilter* keys_;
    // Leaving the UTC offset checks it.
    EventHook events_{[this](QObject*, QEvent* event) {
        if (isVisible() && focusMovedWithinWindow(*event)) Text6_LostFocus();
        return false;
    }};
};

}  // namespace topband
