#include "mainwin/window_size_menu.h"

#include "window/window_scaling.h"
#include "core/number_text.h"
#include "platform/ui.h"

namespace topband {

bool askFormSizePercent(Ui& ui, Preferences& prefs) {
    const std::optional<std::uint8_t> percent = formSizePercentFromAnswer(ui.inputBox(
        "Please enter screen percentage.",
        "Enter the % of the screen you would like the form to cover.  Try between 90 and 100 for best results.  "
        "Values below 75 do not display well.",
        formatInteger(prefs.FormSizePercent)));
    if (!percent) {
        ui.messageBox("Numeric Values Required", "Please enter only numeric values.");
        return false;
    }
    prefs.FormSizePercent = *percent;
    ui.messageBox("For this setting to take effect please restart this program.",
                  "This program must be closed and restarted for this setting to take effect.");
    return true;
}

}  // namespace topband
