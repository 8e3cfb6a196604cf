#pragma once
// The main window's "Form Size" and "Taskbar" menu items: what they ask, say and change.
#include "core/preferences.h"

namespace topband {

class Ui;

// Asks for the main window's size in percent of the screen. True when FormSizePercent was
// stored: the caller saves the preferences; the new size takes effect at the next start.
bool askFormSizePercent(Ui& ui, Preferences& prefs);

// Toggles TaskbarSetting, which only a full-size main window may use. True when it changed:
// the caller saves the preferences and runs TaskbarResize.
bool toggleTaskbarSetting(Ui& ui, Preferences& prefs);

}  // namespace topband
