#pragma once
// The main window's own scalings, applied to its designed form; FitCountryList follows each.
#include <cstdint>

#include "core/preferences.h"
#include "platform/screen.h"
#include "window/designed_form.h"

class QWidget;

namespace topband {

// Start-up: the whole screen.
void applyMainWindowLoadScaling(DesignedForm& form, const Screen& screen);

// Start-up with FormSizePercent below 100: that share of the screen, centred, and the spot list's
// font shrinks once more. False when impossible: the caller then stores 100 % (savepref) so that
// the next start uses the full screen.
[[nodiscard]] bool percentResize(DesignedForm& form, const Screen& screen, std::uint8_t percent,
                                 QWidget* spotList = nullptr);

}  // namespace topband
