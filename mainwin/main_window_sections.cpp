// The section grid: one label per section under its call-area heading, worked sections in
// the worked colour, a click copies the section into the entry, hovering shows its total.
#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>

#include "core/section_file.h"
#include "mainwin/main_window.h"
#include "mainwin/readable_colour.h"
#include "mainwin/section_grid.h"
#include "window/qt_text.h"

namespace topband {
namespace {

// The grid's area in design units, and the depth of its columns.
constexpr double kGridLeft = 2640, kGridTop = 2200, kGridWidth = 4840, kGridHeight = 1960;
constexpr int kGridRows = 10;
constexpr double kSectionFont = 8.25;
constexpr double kHeadingFont = 7.5;

// Colours are stored as 0x00BBGGRR.
constexpr std::int32_t kSectionCell = 0xC0C0C0;  // 0x00BBGGRR, light grey

QString cssColour(std::int32_t bgr) {
    const auto value = static_cast<std::uint32_t>(bgr);
    return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                  static_cast<int>((value >> 16) & 0xFF))
        .name();
}

}  // namespace

void Form1::fillSectionTable() {
    SectionFileLoad load = loadSectionFile(services_.files, {state_.folders.WorkingFolder});
    if (!load.error.empty())
        services_.ui.messageBox("Section File Error", load.error + "  The built-in section table is used.",
                                MessageButtons::Ok, MessageIcon::Warning);
    state_.logbook.sections = std::move(load.table);
    createSectionLabels();
}

void Form1::createSectionLabels() {
    if (sectionLabelHook_ == nullptr)
        sectionLabelHook_ =
            &addHook([this](QObject* watched, QEvent* event) { return sectionLabelEvent(watched, *event); });
    for (QLabel* old : Label10) delete old;
    for (QLabel* old : sectionHeadings) delete old;
    Label10.assign(static_cast<std::size_t>(state_.logbook.sections.SectionCount()) + 1, nullptr);
    sectionHeadings.clear();

    const SectionGrid grid = layOutSectionGrid(state_.logbook.sections.groups(), kGridRows);
    const double cellWidth = kGridWidth / std::max(grid.columns, 1);
    const double cellHeight = kGridHeight / kGridRows;
    for (const SectionGridCell& cell : grid.cells) {
        auto* label = new QLabel(centralWidget());
        label->setAlignment(Qt::AlignCenter);
        if (cell.sectionIndex == 0) {
            label->setText(qtText(cell.heading));
            label->setStyleSheet(QStringLiteral("color: white; background-color: #000080;"));
            sectionHeadings.push_back(label);
        } else {
            label->setText(qtText(state_.logbook.sections.SectionAbbr(cell.sectionIndex)));
            label->setToolTip(qtText(state_.logbook.sections.SectionName(cell.sectionIndex)));
            label->setMouseTracking(true);
            sectionLabelHook_->watch(*label);
            Label10.at(static_cast<std::size_t>(cell.sectionIndex)) = label;
        }
        // "Canada" must fit a column as narrow as a three-letter section.
        const double font = cell.sectionIndex == 0 ? kHeadingFont : kSectionFont;
        layout_->place(*label, kGridLeft + cell.column * cellWidth + 15, kGridTop + cell.row * cellHeight + 10,
                       cellWidth - 30, cellHeight - 20, font);
        label->show();
    }
    paintSections();
}

void Form1::paintSections() {
    // The operator's colours, as much darker as they need to be read against the grey cell.
    const QString worked = cssColour(readableOn(state_.prefs.WorkedColor, kSectionCell));
    const QString unworked = cssColour(readableOn(state_.prefs.UnworkedColor, kSectionCell));
    for (int i = 1; i < static_cast<int>(Label10.size()); ++i) {
        // Worked sections must stand out from a metre away: their colour, and bold.
        const bool isWorked = state_.logbook.sections.isWorked(i);
        Label10.at(static_cast<std::size_t>(i))
            ->setStyleSheet(QStringLiteral("background-color: %1; color: %2; font-weight: %3;")
                                .arg(cssColour(kSectionCell), isWorked ? worked : unworked,
                                     isWorked ? QStringLiteral("bold") : QStringLiteral("normal")));
    }
}

bool Form1::CheckSection() {
    const SectionVerdict verdict =
        state_.logbook.sections.CheckSection(stdText(txtSec->text()), stdText(txtCntry->text()));
    if (verdict.invalid) {
        services_.ui.beep();
        showMessage(qtText(verdict.message));
    }
    return !verdict.invalid;
}

void Form1::MarkSectionWorked() {
    if (state_.logbook.sections.markWorked(stdText(txtSec->text()))) paintSections();
}

void Form1::Label10_Click(int index) { txtSec->setText(Label10.at(static_cast<std::size_t>(index))->text()); }

void Form1::Label10_MouseMove(int index) {
    const double screenWidth = services_.screen.screen().width;
    QFont font = lblDupe->font();
    font.setPointSizeF(std::max(1.0, screenWidth * 8 / 9600 * state_.prefs.FormSizePercent / 100));
    lblDupe->setFont(font);
    lblDupe->setText(qtText(state_.logbook.sections.hoverText(index, state_.logbook.log.records())));
}

void Form1::Form_MouseMove() { lblDupe->clear(); }

bool Form1::sectionLabelEvent(QObject* watched, const QEvent& event) {
    if (event.type() != QEvent::MouseButtonRelease && event.type() != QEvent::MouseMove) return false;
    for (int i = 1; i < static_cast<int>(Label10.size()); ++i) {
        if (Label10.at(static_cast<std::size_t>(i)) != watched) continue;
        if (event.type() == QEvent::MouseButtonRelease)
            Label10_Click(i);
        else
            Label10_MouseMove(i);
        return true;
    }
    return false;
}

}  // namespace topband
