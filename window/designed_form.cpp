#include "window/designed_form.h"

#include <QComboBox>
#include <QFrame>
#include <QHeaderView>
#include <QMainWindow>
#include <QMenuBar>
#include <QStyle>
#include <QTreeWidget>
#include <algorithm>
#include <cmath>

#include "platform/ui.h"
#include "window/qt_text.h"

namespace topband {
namespace {

int pixels(double units) { return static_cast<int>(std::lround(units / kLayoutUnitsPerPixel)); }
double units(int pixels) { return pixels * kLayoutUnitsPerPixel; }

// Edges are rounded rather than sizes, so a rect inside another in units stays inside in pixels.
QRect toPixels(const LayoutRect& r) {
    const int left = pixels(r.left), top = pixels(r.top);
    return {left, top, std::max(1, pixels(r.left + r.width) - left), std::max(1, pixels(r.top + r.height) - top)};
}

void setFontSize(QWidget& widget, double points, const QString& family) {
    QFont font = widget.font();
    font.setPointSizeF(points);
    if (!family.isEmpty()) font.setFamily(family);
    widget.setFont(font);
}

// Keeps one record per widget: placing it again replaces its design figures.
template <typename Item, typename Key>
const Item& remember(std::vector<Item>& items, Item placed, Key* Item::*member) {
    const auto it = std::ranges::find(items, placed.*member, member);
    if (it != items.end()) return *it = std::move(placed);
    return items.emplace_back(std::move(placed));
}

}  // namespace

DesignedForm::DesignedForm(QWidget& window, double designWidth, double designHeight, double fontPoints)
    : window_(window),
      design_{0, 0, designWidth, designHeight},
      fontPoints_(fontPoints),
      scaling_(designScaling({designWidth, designHeight})) {
    window_.resize(toPixels(scaling_.window).size());
    setFontSize(clientArea(), fontPoints_, {});
}

void DesignedForm::place(QWidget& control, double left, double top, double width, double height, double fontPoints) {
    applyTo(remember(controls_, Control{&control, {left, top, width, height}, fontPoints}, &Control::widget));
}

void DesignedForm::placeLine(QFrame& line, double x1, double y1, double x2, double y2) {
    line.setFrameShape(std::abs(x2 - x1) >= std::abs(y2 - y1) ? QFrame::HLine : QFrame::VLine);
    line.setFrameShadow(QFrame::Plain);
    applyTo(remember(lines_, Line{&line, {x1, y1, x2, y2}}, &Line::frame));
}

void DesignedForm::setColumnWidths(QTreeWidget& list, std::vector<double> designWidths) {
    // The design widths are the whole story: the last column does not stretch to the list's edge.
    list.header()->setStretchLastSection(false);
    list.setColumnCount(std::max(list.columnCount(), static_cast<int>(designWidths.size())));
    applyTo(remember(columns_, Columns{&list, std::move(designWidths)}, &Columns::list));
}

void DesignedForm::setFontName(const QString& family) { fontName_ = family; }

void DesignedForm::scaleFont(QWidget& control, double factor) {
    const auto known = std::ranges::find(controls_, &control, &Control::widget);
    if (known != controls_.end()) setFontSize(control, known->fontPoints * factor, fontName_);
}

void DesignedForm::apply(const Scaling& scaling) {
    scaling_ = scaling;
    setFontSize(clientArea(), fontPoints_ * scaling_.windowFont, {});
    // The scaled rect is where the controls go; the menu bar sits above it.
    window_.setGeometry(toPixels(scaling_.window).adjusted(0, -menuBarHeight(), 0, 0));
    for (const Control& control : controls_) applyTo(control);
    for (const Line& line : lines_) applyTo(line);
    for (const Columns& columns : columns_) applyTo(columns);
}

LineEnds DesignedForm::lineEnds(const QFrame& line) const {
    const auto it = std::ranges::find(lines_, &line, &Line::frame);
    if (it == lines_.end()) return {};
    const LineEnds& d = it->design;
    return {d.x1 * scaling_.x, d.y1 * scaling_.y, d.x2 * scaling_.x, d.y2 * scaling_.y};
}

FrameMargins DesignedForm::frameMargins() const {
    const QRect frame = window_.frameGeometry(), client = window_.geometry();
    const int menuBar = menuBarHeight();
    if (window_.isVisible() && frame != client)
        return {units(client.left() - frame.left()), units(client.top() - frame.top() + menuBar),
                units(frame.right() - client.right()), units(frame.bottom() - client.bottom())};
    // Not shown yet, or no window manager to ask: estimate from the style.
    const QStyle* style = window_.style();
    const int border = style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &window_);
    const int titleBar = style->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &window_);
    return {units(border), units(titleBar + border + menuBar), units(border), units(border)};
}

QWidget& DesignedForm::clientArea() const {
    auto* main = qobject_cast<QMainWindow*>(&window_);
    return main && main->centralWidget() ? *main->centralWidget() : window_;
}

QMenuBar* DesignedForm::menuBar() const {
    auto* main = qobject_cast<QMainWindow*>(&window_);
    auto* bar = main ? qobject_cast<QMenuBar*>(main->menuWidget()) : nullptr;
    return bar && !bar->isNativeMenuBar() && bar->isVisibleTo(main) ? bar : nullptr;
}

int DesignedForm::menuBarHeight() const {
    const QMenuBar* bar = menuBar();
    return bar ? bar->sizeHint().height() : 0;
}

void DesignedForm::applyTo(const Control& control) const {
    const LayoutRect& d = control.design;
    setFontSize(*control.widget, control.fontPoints * scaling_.font, fontName_);
    QRect r = toPixels({d.left * scaling_.x, d.top * scaling_.y, d.width * scaling_.x, d.height * scaling_.y});
    if (scaling_.comboBoxesKeepHeight && qobject_cast<QComboBox*>(control.widget))
        r.setHeight(std::max(pixels(d.height), control.widget->sizeHint().height()));
    control.widget->setGeometry(r);
}

void DesignedForm::applyTo(const Line& line) const {
    const LineEnds& d = line.design;
    const double left = std::min(d.x1, d.x2) * scaling_.x, top = std::min(d.y1, d.y2) * scaling_.y;
    line.frame->setGeometry(
        toPixels({left, top, std::abs(d.x2 - d.x1) * scaling_.x, std::abs(d.y2 - d.y1) * scaling_.y}));
}

void DesignedForm::applyTo(const Columns& columns) const {
    for (std::size_t i = 0; i < columns.designWidths.size(); ++i)
        columns.list->setColumnWidth(static_cast<int>(i), pixels(columns.designWidths[i] * scaling_.x));
}

bool DesignedForm::tryApply(const std::function<Scaling()>& compute) {
    try {
        apply(compute());
        return true;
    } catch (const ScalingError&) {
        return false;
    }
}

void DesignedForm::scaleToScreen(const Screen& screen, ScreenScalingOptions options) {
    tryApply([&] { return screenScaling(design(), desktop(screen), options); });
}

void DesignedForm::scaleToWorkArea(const Screen& screen) {
    tryApply([&] { return workAreaScaling(design(), desktop(screen)); });
}

void DesignedForm::fillWorkArea(const Screen& screen) {
    tryApply([&] { return fillWorkAreaScaling(design(), desktop(screen)); });
}

void ResizeForm(DesignedForm& form, const Screen& screen, Ui& ui) {
    try {
        form.apply(resizeFormScaling(form.design(), form.desktop(screen)));
    } catch (const ScalingError& e) {
        ui.messageBox("Form Resize Error", e.what());
    }
}

void ResizeFormTo(DesignedForm& form, const Screen& screen, Ui& ui, float width, float height, float baseWidth,
                  float baseHeight, std::uint8_t exactSize, float fontWeight, const std::string& fontName) {
    try {
        const Scaling scaling = resizeFormToScaling(form.scaling(), form.desktop(screen),
                                                    {width, height, baseWidth, baseHeight, exactSize == 1, fontWeight});
        if (!fontName.empty()) form.setFontName(qtText(fontName));
        form.apply(scaling);
    } catch (const ScalingError& e) {
        ui.messageBox("Form Resize Error", e.what());
    }
}

}  // namespace topband
