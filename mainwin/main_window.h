#pragma once
// The main logging window: start-up, preferences, clocks, the log commands and the menus.
#include <QMainWindow>
#include <array>
#include <functional>
#include <memory>

#include "auxwin/designed_form.h"
#include "core/app_state.h"
#include "mainwin/key_press_filter.h"
#include "platform/services.h"

class QAction;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTimer;
class QTreeWidget;

namespace topband {

class Form1 : public QMainWindow {
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
    void mnuTaskbar_Click();
    void PercentResize();
    void TaskbarResize();
    void Timer1_Timer();
    void Timer2_Timer();
    void TimeStats();
    void FitCountryList();

    // Controls, by their documented names.
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
    QAction* mnuTaskbar = nullptr;
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
    void readPreferences();
    void loadPrefixTable();
    void endAtOnce(int exitCode);
    std::string workingFile(const char* name) const;

    AppState& state_;
    Services& services_;
    std::unique_ptr<DesignedForm> layout_;
    KeyPressFilter* keys_ = nullptr;
    bool endingAtOnce_ = false;
};

// The window title: the program's name and version, then its maker.
std::string programTitle();

}  // namespace topband
