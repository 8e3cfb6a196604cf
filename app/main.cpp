// Topband: settles the folders, seeds the working folder, then runs the main window.
#include <QApplication>
#include <cstdio>
#include <iostream>
#include <memory>

#include "app/command_line.h"
#include "mainwin/countries_command.h"
#include "mainwin/lookup_command.h"
#include "app/screenshot_tour.h"
#include "mainwin/first_run.h"
#include "mainwin/main_window.h"
#include "mainwin/shared_preferences.h"
#include "mainwin/user_folders.h"
#include "platform/qt_screen.h"
#include "platform/qt_ui.h"
#include "window/qt_text.h"

namespace {

// Installed data sits beside the binary as ../share/topband, in the build tree as when installed.
std::string installedDataFolder() {
    return topband::stdText(QCoreApplication::applicationDirPath() + QStringLiteral("/../share/topband"));
}

}  // namespace

int main(int argc, char** argv) {
    using namespace topband;
    const CommandLine line = parseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    if (!line.error.empty()) {
        std::cerr << "topband: " << line.error << "\n\n" << usageText();
        return 2;
    }
    if (line.showHelp) {
        std::cout << usageText();
        return 0;
    }
    if (line.showVersion) {
        std::cout << "topband " << TOPBAND_VERSION << "\n";
        return 0;
    }
    RealFiles files;
    if (!line.workdir.empty()) {
        if (auto changed = files.setCurrentFolder(line.workdir); !changed) {
            std::cerr << "topband: cannot use the working folder " << line.workdir << ": " << changed.error << "\n";
            return 2;
        }
    }

    if (line.lookup || line.countriesImport) {
        QCoreApplication core(argc, argv);  // for the installed data folder beside the binary
        if (line.countriesImport) return runCountriesImport(line.countryFile, files, std::cout, std::cerr);
        return runLookup(line.lookupCalls, files, installedDataFolder(), std::cout, std::cerr);
    }

    QApplication app(argc, argv);
    std::unique_ptr<ScreenshotTour> tour;
    if (!line.screenshotFolder.empty()) tour = std::make_unique<ScreenshotTour>(qtText(line.screenshotFolder), nullptr);
    RealClock clock;
    QtSettingsStore settings;
    QtUi ui;
    QtScreen screen;
    Services services{files, clock, settings, ui, screen};
    AppState state;
    state.folders.WorkingFolder = files.currentFolder();

    const SeedResult seeded = seedWorkingFolder(files, installedDataFolder(), state.folders.WorkingFolder);
    for (const std::string& failure : seeded.failures)
        ui.messageBox("Data File Error", "A data file could not be copied into the working folder: " + failure,
                      MessageButtons::Ok, MessageIcon::Warning);

    SettleUserFolders(state.folders, files, ui);
    LoadSharedPreferences(state.shared, files, joinPath(state.folders.SharedFolder, kSharedPreferencesFileName));

    Form1 form(state, services);
    form.endProgram = [](int exitCode) { QCoreApplication::exit(exitCode); };
    if (!form.Form_Load()) return 1;
    form.show();
    if (tour) tour->finishWith(form);
    return QApplication::exec();
}
