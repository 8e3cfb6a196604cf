#pragma once
// A window laid out in design units (base 9600 × 7200; one pixel is 15 units). It keeps each
// control's design rectangle and font size, so every scaling is applied from the design
// figures and never drifts by rounding.
#include <QWidget>
#include <vector>

#include "platform/screen.h"

class QTreeWidget;

namespace topband {

class Ui;

class DesignedForm {
public:
    // The window's design size in layout units and its own font size in points.
    DesignedForm(QWidget& window, double designWidth, double designHeight, double fontPoints = 8.25);

    // Places a control at its design rectangle (layout units) with its font size in points.
    void place(QWidget& control, double left, double top, double width, double height, double fontPoints = 8.25);

    // (the scaling interface is completed with the window-scaling work)

private:
    struct Control {
        QWidget* widget;
        LayoutRect design;
        double fontPoints;
    };
    QWidget& window_;
    LayoutRect design_;
    double fontPoints_;
    std::vector<Control> controls_;
};

// Scales a secondary window to the screen and centres it 170 units above centre.
void ResizeForm(DesignedForm& form, const Screen& screen, Ui& ui);

}  // namespace topband
