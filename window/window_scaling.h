#pragma once
// Window scaling arithmetic. Every window is designed on a 9600 × 7200 unit screen; these functions
// work out where a window goes on the real desktop and by how much its controls and fonts grow.
// The window code only applies the result. Every result keeps the whole window frame (title bar
// included) inside the work area, so no control falls off a small screen or under a panel: the
// client area shrinks if need be, and the controls follow the size it ends up with.
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>

#include "platform/screen.h"

namespace topband {

inline constexpr double kDesignScreenWidth = 9600;
inline constexpr double kDesignScreenHeight = 7200;

struct Size {
    double width = 0, height = 0;
};

// What the platform adds around a window's client area, in layout units.
struct FrameMargins {
    double left = 0, top = 0, right = 0, bottom = 0;  // top includes the title bar
};

// What a window is scaled to.
struct Desktop {
    LayoutRect screen;
    LayoutRect workArea;  // the screen less its panels: every window frame stays inside it
    FrameMargins frame;
};

// A window's client rect and the factors applied to its design figures.
struct Scaling {
    LayoutRect window;
    double x = 1;                       // control left and width, line X, column widths
    double y = 1;                       // control top and height, line Y
    double font = 1;                    // control font sizes
    double windowFont = 1;              // the window's own font size
    bool comboBoxesKeepHeight = false;  // the platform sizes them from their font
};

// The window cannot be scaled; what() describes why.
class ScalingError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The window as designed: design size, nothing scaled.
Scaling designScaling(Size design);

// Secondary windows (ResizeForm): sized with the screen, 170 units above centre, fonts by the
// smaller of the two screen ratios.
Scaling resizeFormScaling(Size design, const Desktop& desktop);

struct ResizeFormToArgs {
    double width = 0, height = 0, baseWidth = 0, baseHeight = 0;
    bool exactSize = false;  // width × height is the window's size rather than its reference screen
    double fontWeight = 1;   // share of the size gain that fonts follow when the window grows
};
// ResizeFormTo: scales the window from its present scaling.
Scaling resizeFormToScaling(const Scaling& current, const Desktop& desktop, const ResizeFormToArgs& args);

struct ScreenScalingOptions {
    bool topOfScreen = false;      // centred across the screen, 2 units below its top
    bool capControlFonts = false;  // control fonts grow by 1.5 at most
};
// Windows that scale with the screen in their own load code: centred, fonts by the width ratio.
Scaling screenScaling(Size design, const Desktop& desktop, ScreenScalingOptions options);

// Windows scaled to the work area and centred in it; control fonts grow by 1.5 at most.
Scaling workAreaScaling(Size design, const Desktop& desktop);
// As workAreaScaling, but the window fills the work area and keeps its own font.
Scaling fillWorkAreaScaling(Size design, const Desktop& desktop);

// The main window at start-up: the whole screen.
Scaling mainWindowLoadScaling(Size design, const Desktop& desktop);

struct PercentScaling {
    Scaling form;
    double spotListFont = 1;  // the spot list shrinks its font once more: p² / 10000 of full screen
};
// The main window at `percent` (30..100) of the screen, centred.
PercentScaling percentScaling(Size design, const Desktop& desktop, std::uint8_t percent);

// The form size an answer to the "Form Size" question stands for: a number, limited to 30..100
// and rounded half to even; nothing for any other answer or Cancel.
std::optional<std::uint8_t> formSizePercentFromAnswer(const std::optional<std::string>& answer);

}  // namespace topband
