#pragma once
// The main logging window: start-up, preferences, clocks, the log commands and the menus.
#include <QMainWindow>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/country_display.h"
#include "mainwin/entry_rules.h"
#include "platform/services.h"
#include "state/app_state.h"
#include "window/designed_form.h"
#include "window/event_hook.h"
#include "window/key_press_filter.h"

class QAction;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTimer;
class QTreeWidget;

namespace topband {

class Form1 final : public QMainWindow {
    Q_OBJECT

public:
    Form1(AppState& state, Services& services, QWidget* parent = nullptr);
    ~Form1() override;

    // Runs the start-up sequence; false when the program must end (the log could not be read).
    bool Form_Load();

    // How the program ends at once (File > Exit, an unreadable log); main() quits the event loop.
    std::function<void(int exitCode)> endProgram;

    void mnuopen2();
    void NewLog();
    void AskOpenExistingLog();
    void savepref();
    void CheckUtcOffset();
    void mnuSetup_Click();
    void mnuNew_Click();
    void mnuExit_Click();
    void mnuFormSize_Click();
    void PercentResize();
    void Timer1_Timer();
    void Timer2_Timer();
    void TimeStats();
    void Labeldisplay();
    void FitCountryList();
    void LookupCountry();
    void HDCalc(float latitude, float longitude);
    void txtCntry_Change();
    void CompleteCountry(int& keyAscii);
    void refillCountryList();
    void fillSectionTable();
    bool CheckSection();
    void MarkSectionWorked();
    void paintSections();
    void Label10_Click(int index);
    void Label10_MouseMove(int index);
    void Form_MouseMove();
    void txtCall_KeyPress(int& keyAscii);
    void txtCall_LostFocus();
    void PartialDupeScan(int keyAscii);
    void dupcheck();
    void WaitAfterDupe(int& keyAscii);
    void cmdDup_Click();
    void cmdClear_Click();

    // --- Entry and commit (entry fields, Mains, post-contest mode) ---
    void frmcmp();
    void Mains();
    void mnuPostContest_Click();
    void txtCall_GotFocus();
    void txtRSTR_KeyPress(int& keyAscii);
    void txtSec_KeyPress(int& keyAscii);
    void txtRSTS_KeyPress(int& keyAscii);
    // The country field's key handler: key passing, Enter and Space, then the completion.
    void txtCntry_KeyPress(int& keyAscii);
    void txtPostConTime_KeyPress(int& keyAscii);
    void txtPostConTime_GotFocus();
    void txtPostConDate_KeyPress(int& keyAscii);
    void txtPostConDate_GotFocus();

private:
    static constexpr EntryField kEntryFields[] = {
        EntryField::Call,    EntryField::ReportReceived,  EntryField::Section,         EntryField::ReportSent,
        EntryField::Country, EntryField::PostContestTime, EntryField::PostContestDate,
    };
    void connectEntryFields();
    QLineEdit& entryField(EntryField field) const;
    // Carries out what the entry rules decide for a key typed into `field`; `next` takes the
    // focus when the key moves on (nullptr: the next control in tab order). True when the key
    // is to be typed into the field as `keyAscii` now holds it.
    bool handleEntryKey(EntryField field, QLineEdit* next, int& keyAscii);
    // Passes the key on to the field `target` stands for, which takes it as its new text.
    void passKeyOn(int keyAscii, std::uint8_t target);
    // The key passed on to the field `target` stands for, taken once; nothing when it is not
    // the field taking one.
    std::optional<int> takeForwardedKey(std::uint8_t target);
    // A field taking a passed-on key starts its text with it; false when it takes none.
    bool startFieldWithForwardedKey(EntryField field);
    bool postContestMode() const;
    void offerUtcDate();
    // Checks and reformats the typed date and time; false (with the message shown) when refused.
    bool readPostContestFields();
    // Stores the entry as the next contact; false when it could not be stored (fields stay).
    bool storeEntry();
    void emptyEntry();

public:
    // --- Recent contacts list and edit window ---
    void Listdisplay();
    void cmdList_Click();
    void ListView1_ColumnClick(int column);
    void ListView1_ItemClick();
    void ListView1_LostFocus();
    void ListView1_MouseUp(Qt::MouseButton button, const QPoint& position);
    void cmdEdit_Click();
    void cmdDelete_Click();
    // Show the whole log rather than the last 20 contacts; for this run only.
    bool ListAll = false;

private:
    void connectList();
    // The record number in the first column of the row the operator selected; nothing without one.
    std::optional<int> selectedRecord() const;
    void showListButtons(bool shown);
    // The delete flow for one record: the question, then the rewrite and reload.
    void deleteRecord(int recordNumber);
    // Rewrites the log file from `records` and reloads it; a failed rewrite is reported and
    // leaves the log in memory and the file as they were.
    void storeLog(std::vector<Contact> records);

public:
    // Controls, by the names the entry code and its tests use.
    QLineEdit* txtCall = nullptr;
    QLineEdit* txtRSTR = nullptr;
    QLineEdit* txtSec = nullptr;
    QLineEdit* txtRSTS = nullptr;
    QLineEdit* txtCntry = nullptr;
    QLineEdit* txtPostConTime = nullptr;
    QLineEdit* txtPostConDate = nullptr;
    QLabel* lblPostConTime = nullptr;
    QLabel* lblPostConDate = nullptr;
    std::array<QLabel*, 6> lblStation{};
    QLabel* lblDialog = nullptr;
    QLabel* lblPossDup = nullptr;
    QLabel* lblDupe = nullptr;
    QPushButton* cmdClear = nullptr;
    QPushButton* cmdDup = nullptr;
    QLabel* lblRecentContacts = nullptr;
    QPushButton* cmdList = nullptr;
    QPushButton* cmdEdit = nullptr;
    QPushButton* cmdDelete = nullptr;
    QTreeWidget* ListView1 = nullptr;
    QListWidget* List1 = nullptr;
    QLabel* Label3 = nullptr;  // "New"
    QLabel* Label17 = nullptr;
    QLabel* Label22 = nullptr;
    QLabel* Label18 = nullptr;
    QLabel* Label23 = nullptr;
    QLabel* Label20 = nullptr;
    QLabel* Label19 = nullptr;
    QLabel* Label2 = nullptr;  // own call
    QLabel* Label1 = nullptr;  // "RST"
    QLabel* Label4 = nullptr;  // own section
    QLabel* lblCurTime = nullptr;
    QLabel* Label16 = nullptr;
    QLabel* lblutctime = nullptr;
    QLabel* Label11 = nullptr;
    QFrame* Line3 = nullptr;
    // Section labels 1..SectionCount (index 0 unused) and the call-area headings above them.
    std::vector<QLabel*> Label10;
    std::vector<QLabel*> sectionHeadings;
    QLabel* Label15 = nullptr;  // sections worked
    QLabel* lblSectionsToGo = nullptr;
    // Score statistics: captions and values.
    QLabel* lblScorStats = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label13 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label7 = nullptr;
    QLabel* Label8 = nullptr;
    QLabel* Label9 = nullptr;
    QLabel* lblTotCon = nullptr;
    QLabel* lblTotSec = nullptr;
    QLabel* lblsectogo = nullptr;
    QLabel* lblTotScore = nullptr;
    QLabel* lblAQSO20 = nullptr;
    QLabel* lblAQSO60 = nullptr;
    QTimer* Timer1 = nullptr;
    QTimer* Timer2 = nullptr;

    // Menu items.
    QAction* mnuNew = nullptr;
    QAction* mnuArchive = nullptr;
    QAction* mnuRestore = nullptr;
    QAction* mnuWriteSumm = nullptr;
    QAction* mnuADIF = nullptr;
    QAction* mnuCopyListtoClipboard = nullptr;
    QAction* mnuExit = nullptr;
    QAction* mnuCW = nullptr;
    QAction* mnuFormSize = nullptr;
    QAction* mnuColors = nullptr;
    QAction* mnuDXSpotting = nullptr;
    QAction* mnuBandMap = nullptr;
    QAction* mnuBlind = nullptr;
    QAction* mnuPrivileges = nullptr;
    QAction* mnuPostContest = nullptr;
    QAction* mnuSetup = nullptr;
    QAction* mnuGraph = nullptr;
    QAction* mnuHelp = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void createControls();
    void createMenus();
    void createListColumns();
    void createSectionLabels();
    void connectCallField();
    void showDialogAlarm(bool alarm);
    // The message line: `text` on the alarm colour or the quiet one. Blank text shows the clock
    // warning instead while it stands.
    void showMessage(const QString& text, bool alarm = false);
    // Compares local time plus the offset with the system's UTC clock.
    void checkClock();
    void showPartialList(const std::string& list);
    double lblDupeFontPoints(double perDesignWidth) const;
    void connectCountryFields();
    CountryFields shownCountryFields() const;
    void showCountryFields(const CountryFields& fields);
    void readPreferences();
    void loadPrefixTable();
    void endAtOnce(int exitCode);
    void watchForTheRealFrame();
    // The start-up scaling: the whole screen, or FormSizePercent of it.
    void fitToScreen();
    std::string workingFile(const char* name) const;

    // Event filters that call this window's handlers; see ~Form1.
    EventHook& addHook(std::function<bool(QObject*, QEvent*)> hook);
    std::vector<std::unique_ptr<EventHook>> hooks_;
    // Clicks on a section label copy it, hovering shows its name and count.
    bool sectionLabelEvent(QObject* watched, const QEvent& event);
    EventHook* sectionLabelHook_ = nullptr;

    AppState& state_;
    Services& services_;
    std::unique_ptr<DesignedForm> layout_;
    KeyPressFilter* keys_ = nullptr;
    bool endingAtOnce_ = false;
    // Local time plus the UTC offset was more than a minute off the system's UTC clock when last
    // checked (the station window's Done, a live commit).
    bool clockWarning_ = false;
    EventHook* realFrameHook_ = nullptr;
};

// The window title: the program's name and version, then its maker.
std::string programTitle();

}  // namespace topband
