#include "mainwin/main_window_scaling.h"

namespace topband {

void applyMainWindowLoadScaling(DesignedForm& form, const Screen& screen) {
    form.tryApply([&] { return mainWindowLoadScaling(form.design(), form.desktop(screen)); });
}

bool percentResize(DesignedForm& form, const Screen& screen, std::uint8_t percent, QWidget* spotList) {
    double spotListFont = 1;
    const bool done = form.tryApply([&] {
        const PercentScaling scaling = percentScaling(form.design(), form.desktop(screen), percent);
        spotListFont = scaling.spotListFont;
        return scaling.form;
    });
    if (done && spotList) form.scaleFont(*spotList, spotListFont);
    return done;
}

}  // namespace topband
