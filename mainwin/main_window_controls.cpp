// The main window's controls, placed in design units (9600 × 7200 for the whole window).
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTreeWidget>

#include "mainwin/main_window.h"
#include "mainwin/recent_contacts_columns.h"

namespace topband {
namespace {

constexpr double kTextFont = 8.25;
constexpr double kHeadingFont = 9.75;
constexpr double kEntryFont = 12;

QLabel* label(QWidget* parent, const char* caption) {
    auto* l = new QLabel(QString::fromUtf8(caption), parent);
    l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return l;
}

QLineEdit* field(QWidget* parent, int maxLength) {
    auto* f = new QLineEdit(parent);
    f->setMaxLength(maxLength);
    return f;
}

void bold(QWidget* w) {
    QFont font = w->font();
    font.setBold(true);
    w->setFont(font);
}

}  // namespace

void Form1::createControls() {
    auto* panel = new QWidget(this);
    setCentralWidget(panel);
    // Moving the mouse over the background empties the partial-duplicate box.
    panel->setMouseTracking(true);
    addHook([this](QObject*, QEvent* event) {
        if (event->type() == QEvent::MouseMove) Form_MouseMove();
        return false;
    }).watch(*panel);
    layout_ = std::make_unique<DesignedForm>(*this, 9600, 7200, kTextFont);
    DesignedForm& d = *layout_;

    // Exchange reminder and clocks.
    Label2 = label(panel, "CALL");
    Label1 = label(panel, "RST");
    Label4 = label(panel, "SEC");
    for (QLabel* l : {Label2, Label1, Label4}) bold(l);
    d.place(*Label2, 120, 60, 1500, 380, kEntryFont);
    d.place(*Label1, 1680, 60, 600, 380, kEntryFont);
    d.place(*Label4, 2340, 60, 800, 380, kEntryFont);
    lblCurTime = label(panel, "Reg Time");
    Label16 = label(panel, "am");
    lblutctime = label(panel, "UTC TIME");
    Label11 = label(panel, "UTC");
    lblCurTime->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblutctime->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    d.place(*lblCurTime, 5700, 60, 1150, 380, kEntryFont);
    d.place(*Label16, 6900, 60, 500, 380, kEntryFont);
    d.place(*lblutctime, 7500, 60, 1250, 380, kEntryFont);
    d.place(*Label11, 8800, 60, 600, 380, kEntryFont);

    // Entry row: headings over the fields, in tab order.
    const char* headings[] = {"RST Sn", "Country", "Call", "RST Rc", "Sec", "DX"};
    for (int i = 0; i < 6; ++i) lblStation[static_cast<std::size_t>(i)] = label(panel, headings[i]);
    txtCall = field(panel, 12);
    txtRSTR = field(panel, 3);
    txtSec = field(panel, 6);
    txtRSTS = field(panel, 3);
    txtCntry = field(panel, 30);
    struct Column {
        QLabel* heading;
        QLineEdit* entry;
        double left, width;
    };
    const Column entryRow[] = {
        {lblStation[2], txtCall, 120, 1900}, {lblStation[3], txtRSTR, 2100, 700},   {lblStation[4], txtSec, 2880, 800},
        {lblStation[0], txtRSTS, 3760, 700}, {lblStation[1], txtCntry, 4540, 2300},
    };
    for (const Column& c : entryRow) {
        d.place(*c.heading, c.left, 520, c.width, 260, kTextFont);
        d.place(*c.entry, c.left, 790, c.width, 420, kEntryFont);
    }
    setTabOrder(txtCall, txtRSTR);
    setTabOrder(txtRSTR, txtSec);
    setTabOrder(txtSec, txtRSTS);
    setTabOrder(txtRSTS, txtCntry);

    Label3 = label(panel, "New");
    Label3->setAlignment(Qt::AlignCenter);
    Label3->setStyleSheet(QStringLiteral("color: white; background-color: #C00000;"));
    bold(Label3);
    d.place(*Label3, 6920, 830, 560, 340, kTextFont);
    lblPostConTime = label(panel, "Time");
    lblPostConDate = label(panel, "Date");
    txtPostConTime = field(panel, 5);
    txtPostConDate = field(panel, 10);
    d.place(*lblPostConTime, 7560, 520, 800, 260, kTextFont);
    d.place(*txtPostConTime, 7560, 790, 800, 420, kEntryFont);
    d.place(*lblPostConDate, 8440, 520, 1040, 260, kTextFont);
    d.place(*txtPostConDate, 8440, 790, 1040, 420, kEntryFont);
    for (QWidget* w : std::initializer_list<QWidget*>{lblPostConTime, lblPostConDate, txtPostConTime, txtPostConDate})
        w->hide();
    setTabOrder(txtCntry, txtPostConTime);
    setTabOrder(txtPostConTime, txtPostConDate);

    // Message line and its buttons.
    lblDialog = label(panel, "");
    lblDialog->setAutoFillBackground(true);
    lblDialog->setStyleSheet(QStringLiteral("background-color: #00C0C0; padding-left: 4px;"));
    lblDialog->setToolTip(
        QStringLiteral("It is not necessary to press Space or Tab to tab unless the Callsign includes a \"/\"."));
    d.place(*lblDialog, 120, 1330, 6720, 380, kEntryFont);
    cmdClear = new QPushButton(QStringLiteral("&Clear"), panel);
    cmdClear->setToolTip(QStringLiteral("Click to clear entry fields or press ALT C"));
    d.place(*cmdClear, 6920, 1330, 900, 380, kTextFont);
    cmdDup = new QPushButton(QStringLiteral("On"), panel);
    cmdDup->setToolTip(QStringLiteral("Displaying partial dupes slows the program on older pc's."));
    d.place(*cmdDup, 7900, 1330, 700, 380, kTextFont);

    // Country facts of the call being typed.
    Label20 = label(panel, "Continent:");
    Label19 = label(panel, "");
    Label17 = label(panel, "Bearing:");
    Label22 = label(panel, "");
    Label18 = label(panel, "Miles:");
    Label23 = label(panel, "");
    d.place(*Label20, 120, 1790, 1000, 300, kHeadingFont);
    d.place(*Label19, 1120, 1790, 600, 300, kHeadingFont);
    d.place(*Label17, 1900, 1790, 850, 300, kHeadingFont);
    d.place(*Label22, 2750, 1790, 600, 300, kHeadingFont);
    d.place(*Label18, 3550, 1790, 700, 300, kHeadingFont);
    d.place(*Label23, 4250, 1790, 900, 300, kHeadingFont);

    // Possible duplicates, then the worked-country list down to its separator line.
    lblPossDup = label(panel, "               Possible Duplicates");
    // Right-aligned, so that a narrow window loses the leading blanks, never the words.
    lblPossDup->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    d.place(*lblPossDup, 120, 2200, 2400, 280, kHeadingFont);
    lblDupe = label(panel, "");
    lblDupe->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblDupe->setWordWrap(true);
    lblDupe->setFrameShape(QFrame::StyledPanel);
    d.place(*lblDupe, 120, 2500, 2400, 1950, kTextFont);
    bold(lblStation[5]);
    d.place(*lblStation[5], 7600, 2200, 1880, 280, kHeadingFont);
    List1 = new QListWidget(panel);
    d.place(*List1, 7600, 2500, 1880, 1950, kTextFont);
    Line3 = new QFrame(panel);
    Line3->setFrameShape(QFrame::HLine);
    d.placeLine(*Line3, 7600, 4480, 9480, 4480);

    Label15 = label(panel, "Sections worked:");
    bold(Label15);
    d.place(*Label15, 2640, 4200, 2400, 280, kHeadingFont);
    lblSectionsToGo = label(panel, "");
    d.place(*lblSectionsToGo, 5100, 4200, 2380, 280, kHeadingFont);

    // Score statistics, below the worked-country list.
    lblScorStats = label(panel, "Score Statistics");
    lblScorStats->setAlignment(Qt::AlignCenter);
    lblScorStats->setStyleSheet(QStringLiteral("color: white; background-color: #000080; font-weight: bold;"));
    d.place(*lblScorStats, 6600, 4600, 2880, 300, kHeadingFont);
    struct ScoreRow {
        QLabel*& caption;
        const char* text;
        QLabel*& value;
    };
    const ScoreRow scoreRows[] = {
        {Label5, "ARRL / RAC Contacts ..", lblTotCon},          {Label13, "DX Contacts .................", lblTotSec},
        {Label6, "Total Multipliers ............", lblsectogo}, {Label7, "Total Score...................", lblTotScore},
        {Label8, "QSOs / Hr (last 20 min)", lblAQSO20},         {Label9, "QSOs / Hr (last 60 min)", lblAQSO60},
    };
    double rowTop = 4940;
    for (const ScoreRow& row : scoreRows) {
        row.caption = label(panel, row.text);
        row.value = label(panel, "0");
        row.value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        bold(row.value);
        d.place(*row.caption, 6600, rowTop, 2000, 250, kTextFont);
        d.place(*row.value, 8600, rowTop, 880, 250, kTextFont);
        rowTop += 250;
    }

    // Recent contacts.
    lblRecentContacts = label(panel, "Recent Contacts");
    bold(lblRecentContacts);
    d.place(*lblRecentContacts, 120, 4600, 1700, 340, kHeadingFont);
    cmdList = new QPushButton(QStringLiteral("Last 20"), panel);
    cmdList->setToolTip(QStringLiteral("List all or last 20 contacts (Listing all will slow the program)"));
    cmdEdit = new QPushButton(QStringLiteral("Edit Contact"), panel);
    cmdDelete = new QPushButton(QStringLiteral("Delete Contact"), panel);
    // Buttons take the focus from the mouse only: Space or Tab from a field never lands on one.
    for (QPushButton* button : {cmdClear, cmdDup, cmdList, cmdEdit, cmdDelete}) button->setFocusPolicy(Qt::ClickFocus);
    d.place(*cmdList, 1900, 4600, 900, 340, kTextFont);
    d.place(*cmdEdit, 2900, 4600, 1300, 340, kTextFont);
    d.place(*cmdDelete, 4300, 4600, 1300, 340, kTextFont);
    ListView1 = new QTreeWidget(panel);
    ListView1->setRootIsDecorated(false);
    ListView1->setToolTip(QStringLiteral("Click record to edit or delete."));
    // Down to the foot of the window, so that "Last 20" shows as many rows as there is room for.
    d.place(*ListView1, 120, 5000, 6300, 2080, kTextFont);
}

void Form1::createListColumns() {
    QStringList headings;
    std::vector<double> widths;
    for (const ListColumn& column : kRecentContactColumns) {
        headings << QString::fromLatin1(column.heading);
        widths.push_back(column.designWidth);
    }
    ListView1->setHeaderLabels(headings);
    layout_->setColumnWidths(*ListView1, widths);
}

void Form1::FitCountryList() {
    const QRect list = List1->geometry();
    const int bottom = Line3->geometry().top();
    if (bottom > list.top()) List1->setGeometry(list.left(), list.top(), list.width(), bottom - list.top());
}

}  // namespace topband
