#pragma once
// A window laid out in design units (base 9600 × 7200; one pixel is 15 units). It keeps each
// control's design rectangle and font size, so every scaling is applied from the design
// figures and never drifts by rounding.
#include <QString>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/screen.h"
#include "window/window_scaling.h"

class QFrame;
class QMenuBar;
class QTreeWidget;

namespace topband {

class Ui;

struct LineEnds {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

class DesignedForm {
public:
    // The window's design size in layout units and its own font size in points.
    DesignedForm(QWidget& window, double designWidth, double designHeight, double fontPoints = 8.25);

    // Places a control at its design rectangle (layout units) with its font size in points.
    void place(QWidget& control, double left, double top, double width, double height, double fontPoints = 8.25);
    // Places a horizontal or vertical line between two design points, drawn by a thin frame.
    void placeLine(QFrame& line, double x1, double y1, double x2, double y2);
    // Gives a list view's columns their design widths; they scale with the window's width.
    void setColumnWidths(QTreeWidget& list, std::vector<double> designWidths);
    // Every control takes this font family from the next scaling on.
    void setFontName(const QString& family);
    // Sets a placed control's font to `factor` times its design size, until the next scaling.
    void scaleFont(QWidget& control, double factor);

    // Scales the window and every control from the design figures.
    void apply(const Scaling& scaling);

    // Applies the scaling `compute` gives; false, and the window stays as it was, when it cannot
    // be scaled.
    bool tryApply(const std::function<Scaling()>& compute);

    // Scalings that windows carry in their own load code; a window that cannot be scaled stays as it was.
    void scaleToScreen(const Screen& screen, ScreenScalingOptions options = {});
    void scaleToWorkArea(const Screen& screen);
    void fillWorkArea(const Screen& screen);

    Size design() const { return {design_.width, design_.height}; }
    const Scaling& scaling() const { return scaling_; }
    // A placed line's end points as scaled now, in layout units.
    LineEnds lineEnds(const QFrame& line) const;
    // What surrounds the controls: the window frame as the platform reports it once shown (estimated
    // before), and a main window's menu bar.
    FrameMargins frameMargins() const;
    Desktop desktop(const Screen& screen) const { return {screen.screen(), screen.workArea(), frameMargins()}; }

private:
    struct Control {
        QWidget* widget;
        LayoutRect design;
        double fontPoints;
    };
    struct Line {
        QFrame* frame;
        LineEnds design;
    };
    struct Columns {
        QTreeWidget* list;
        std::vector<double> designWidths;
    };
    void applyTo(const Control& control) const;
    void applyTo(const Line& line) const;
    void applyTo(const Columns& columns) const;
    // A main window's own text is that of its central area: the menu bar keeps the desktop's font,
    // as menus do everywhere.
    QWidget& clientArea() const;
    QMenuBar* menuBar() const;
    int menuBarHeight() const;

    QWidget& window_;
    LayoutRect design_;
    double fontPoints_;
    QString fontName_;
    Scaling scaling_;
    std::vector<Control> controls_;
    std::vector<Line> lines_;
    std::vector<Columns> columns_;
};

// Scales a secondary window to the screen and centres it 170 units above centre. When that is
// impossible a "Form Resize Error" message says why and the window stays as it was.
void ResizeForm(DesignedForm& form, const Screen& screen, Ui& ui);
// Scales a window from its present size to width × height, or by width / baseWidth and
// height / baseHeight (exactSize 0); fonts follow fontWeight of any growth and take fontName
// unless it is empty. Failures are reported as by ResizeForm.
void ResizeFormTo(DesignedForm& form, const Screen& screen, Ui& ui, float width, float height, float baseWidth,
                  float baseHeight, std::uint8_t exactSize, float fontWeight, const std::string& fontName);

}  // namespace topband
