#include "mainwin/main_window.h"
#include "mainwin/main_window_scaling.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "mainwin/window_size_menu.h"
#include "core/file_names.h"
#include "core/letter_case.h"
#include "core/number_text.h"
#include "core/prefix_file.h"
#include "core/score.h"
#include "mainwin/log_store.h"
#include "mainwin/preferences_file.h"
#include "mainwin/station_window.h"
#include "mainwin/utc_offset.h"
#include "window/qt_text.h"

namespace topband {
namespace {

constexpr const char* kFileErrorText =
    "Error opening file.  This error is annoying but probably correctable.  In all likelihood, a character such as a "
    "quote got into your data or one of your entries has an invalid date/time format.  Close this program and open "
    "log.txt in the program's working directory with a text editor such as notepad.  Inspect the data and fix any "
    "errors you see (remove any extra quotes and make sure your date and time entries are valid).";

}  // namespace

std::string programTitle() { return std::string("Topband ") + TOPBAND_VERSION + "        KELVO Software"; }

Form1::Form1(AppState& state, Services& services, QWidget* parent)
    : QMainWindow(parent), state_(state), services_(services) {
    setWindowTitle(qtText(programTitle()));
    keys_ = new KeyPressFilter(this);
    createControls();
    connectCountryFields();
    connectCallField();
    connectList();
    createMenus();
    Timer1 = new QTimer(this);
    Timer1->setInterval(60000);
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1_Timer(); });
    Timer2 = new QTimer(this);
    Timer2->setInterval(1000);
    connect(Timer2, &QTimer::timeout, this, [this] { Timer2_Timer(); });
    endProgram = [](int) {};
    watchForTheRealFrame();
}

// Start-up scales the window with a frame estimated from the style; the window manager's real
// frame is known only once the window is shown, so the window is fitted once more then.
void Form1::watchForTheRealFrame() {
    realFrameHook_ = &addHook([this](QObject*, QEvent* event) {
        const QEvent::Type type = event->type();
        const bool mayShowFrame = type == QEvent::Show || type == QEvent::Move || type == QEvent::Resize ||
                                  type == QEvent::WindowActivate;
        if (!mayShowFrame || !isVisible() || frameGeometry() == geometry()) return false;
        // Once is enough: the hook stops watching, so no later event of the window passes it.
        removeEventFilter(realFrameHook_);
        QTimer::singleShot(0, this, [this] { fitToScreen(); });
        return false;
    });
    realFrameHook_->watch(*this);
}

void Form1::fitToScreen() {
    if (state_.prefs.FormSizePercent < 100) {
        PercentResize();
        return;
    }
    applyMainWindowLoadScaling(*layout_, services_.screen);
    FitCountryList();
}

Form1::~Form1() {
    // The hooks go before the controls do: closing moves the focus from control to control,
    // and no handler may run on a window that is half taken apart.
    hooks_.clear();
}

EventHook& Form1::addHook(std::function<bool(QObject*, QEvent*)> hook) {
    return *hooks_.emplace_back(std::make_unique<EventHook>(std::move(hook)));
}

std::string Form1::workingFile(const char* name) const {
    return pathInFolder(services_.files, state_.folders.WorkingFolder, name);
}

bool Form1::Form_Load() {
    state_.logbook.mode = "CW";
    Label3->hide();
    fitToScreen();
    lblDialog->setText(QStringLiteral("Ready to begin!"));
    createListColumns();
    fillSectionTable();
    state_.entry.PartialDupesOn = true;
    readPreferences();
    CheckUtcOffset();
    if (state_.prefs.FormSizePercent < 100) PercentResize();
    loadPrefixTable();
    mnuSetup_Click();
    AskOpenExistingLog();
    if (endingAtOnce_) return false;
    Timer2_Timer();
    Timer1->start();
    Timer2->start();
    txtCall->setFocus();
    return true;
}

void Form1::readPreferences() {
    const std::string path = workingFile(kPreferencesFileName);
    state_.prefs = neutralPreferences(recommendedUtcOffset(services_.clock.utcNow(), services_.clock.localNow()));
    if (!services_.files.exists(path)) {
        savepref();
        return;
    }
    std::string error;
    const auto content = services_.files.readAll(path, error);
    // A damaged file keeps the values read before the damaged line; the rest stay neutral.
    if (content && readPreferencesInto(*content, state_.prefs, error)) return;
    services_.ui.messageBox("Preferences Error",
                            path + ", " + error + ".  " +
                                (content ? "The settings before that line are kept and the rest are neutral"
                                         : "Neutral settings are used") +
                                "; the station window and the log still load, and the file is written anew when "
                                "the station settings are saved.",
                            MessageButtons::Ok, MessageIcon::Warning);
}

void Form1::savepref() {
    if (auto written = writePreferences(services_.files, workingFile(kPreferencesFileName), state_.prefs); !written)
        services_.ui.messageBox("Error Saving Preferences", written.error + "  " + workingFile(kPreferencesFileName),
                                MessageButtons::Ok, MessageIcon::Warning);
}

void Form1::CheckUtcOffset() {
    const CivilTime utc = services_.clock.utcNow();
    const CivilTime local = services_.clock.localNow();
    const float recommended = recommendedUtcOffset(utc, local);
    if (state_.prefs.UtcOffset == recommended) return;
    const auto answer = services_.ui.inputBox(
        kUtcOffsetTitle, utcOffsetPrompt(utc, local, recommended, state_.prefs.UtcOffset), formatNumber(recommended));
    if (!answer) return;
    const auto offset = parseNumber(*answer);
    if (!offset) return;
    state_.prefs.UtcOffset = static_cast<float>(*offset);
    savepref();
}

void Form1::loadPrefixTable() {
    PrefixFileLoad load = loadPrefixFile(services_.files, prefixFileFolders(state_.folders));
    state_.prefixes = std::move(load.table);
    if (!load.error.empty())
        services_.ui.messageBox("Prefix File Error", load.error, MessageButtons::Ok, MessageIcon::Warning);
}

void Form1::mnuopen2() {
    std::string error;
    if (!loadLogFile(state_.logbook, state_.folders, services_.files, error)) {
        services_.ui.messageBox(
            "File Error",
            std::string(kFileErrorText) + "\r\n\r\n" + logPath(services_.files, state_.folders) + ", " + error + ".",
            MessageButtons::Ok, MessageIcon::Critical);
        endAtOnce(1);
        return;
    }
    paintSections();
    paintSections();
    Listdisplay();
    TimeStats();
    refillCountryList();
    Labeldisplay();
}

void Form1::NewLog() {
    const auto answer = services_.ui.inputBox(
        "WARNING - Your existing log file will be ERASED!",
        "Are you sure that you want to start a new log file?  This function will ERASE the existing log file!\r\n\r\n"
        "To verify that you want to start a new log file, please type: YES");
    if (answer && upperCased(*answer) == "YES") {
        if (auto erased = eraseLog(state_.logbook, state_.folders, services_.files, services_.clock); !erased)
            services_.ui.messageBox("Error Starting New Log",
                                    erased.error + "  The log was not erased: no backup copy could be made.",
                                    MessageButtons::Ok, MessageIcon::Critical);
        savepref();
    }
    mnuopen2();
}

void Form1::AskOpenExistingLog() {
    const MessageAnswer answer = services_.ui.messageBox(
        "Open existing log?",
        "Do you want to continue an existing contest? (Yes opens your existing log, No erases any existing log and "
        "starts a new log.)",
        MessageButtons::YesNo, MessageIcon::Question);
    if (answer == MessageAnswer::Yes)
        mnuopen2();
    else
        NewLog();
    cmdEdit->hide();
    cmdDelete->hide();
}

void Form1::mnuSetup_Click() {
    frmStationID window(state_, services_, this);
    if (window.exec() == QDialog::Accepted) {
        window.storeStation(state_.prefs);
        checkClock();
        if (clockWarning_) showMessage({});
    }
    Label2->setText(qtText(state_.prefs.OwnCall));
    Label4->setText(qtText(state_.prefs.OwnSection));
    savepref();
}

void Form1::mnuNew_Click() {
    NewLog();
    TimeStats();
}

void Form1::mnuExit_Click() { endAtOnce(0); }

void Form1::endAtOnce(int exitCode) {
    endingAtOnce_ = true;
    endProgram(exitCode);
}

void Form1::closeEvent(QCloseEvent* event) {
    if (!endingAtOnce_) Backup(state_.logbook, state_.folders, services_.files, services_.clock);
    event->accept();
}

void Form1::PercentResize() {
    if (!percentResize(*layout_, services_.screen, state_.prefs.FormSizePercent)) {
        state_.prefs.FormSizePercent = 100;
        savepref();
    }
    FitCountryList();
}

void Form1::mnuFormSize_Click() {
    if (askFormSizePercent(services_.ui, state_.prefs)) savepref();
}

void Form1::Timer1_Timer() { TimeStats(); }

void Form1::TimeStats() {
    const auto rates = contactRates(state_.logbook.log, services_.clock.localNow(), state_.prefs.UtcOffset);
    if (!rates) return;
    lblAQSO20->setText(QString::number(rates->hourlyRateLast20Minutes));
    lblAQSO60->setText(QString::number(rates->contactsLast60Minutes));
}

void Form1::Labeldisplay() {
    const ScoreTotals totals =
        scoreTotals({state_.logbook.log.ContactCount(), state_.logbook.tallies.DXContactCount,
                     state_.logbook.sections.SectionsWorked(), state_.logbook.workedCountries.WorkedCountryCount()});
    const std::pair<QLabel*, std::optional<std::int32_t>> values[] = {{lblTotCon, totals.wVeContacts},
                                                                      {lblsectogo, totals.multipliers},
                                                                      {lblTotSec, totals.dxContacts},
                                                                      {lblTotScore, totals.score}};
    for (const auto& [label, value] : values) {
        if (!value) return;  // an overflow stops the panel there
        label->setText(QString::number(*value));
    }
    Label15->setText(qtText(sectionsWorkedText(state_.logbook.sections.SectionsWorked())));
    lblSectionsToGo->setText(qtText("Sections to go: " + formatInteger(state_.logbook.sections.SectionCount() -
                                                                       state_.logbook.sections.SectionsWorked())));
}

void Form1::Timer2_Timer() {
    const ClockTexts texts = clockTexts(services_.clock.localNow(), state_.prefs.UtcOffset);
    lblutctime->setText(qtText(texts.utc));
    lblCurTime->setText(qtText(texts.local));
    Label16->setText(qtText(texts.amPm));
}

}  // namespace topband
