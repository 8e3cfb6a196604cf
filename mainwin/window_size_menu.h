#pragma once
// The main window's "Form Size" menu item: what it asks, says and changes.
#include "core/preferences.h"

namespace topband {

class Ui;

// Asks for the main window's size in percent of the screen. True when FormSizePercent was
// stored: the caller saves the preferences; the new size takes effect at the next start.
bool askFormSizePercent(Ui& ui, Preferences& prefs);

}  // namespace topband
