// The recent-contacts list and the edit and delete flows of the main window.
#include <QHeaderView>
#include <QMouseEvent>
#include <QPushButton>
#include <QTreeWidget>

#include "core/number_text.h"
#include "core/recent_contacts.h"
#include "mainwin/edit_window.h"
#include "mainwin/log_store.h"
#include "mainwin/main_window.h"
#include "window/qt_text.h"

namespace topband {
namespace {}  // namespace

void Form1::connectList() {
    connect(cmdList, &QPushButton::clicked, this, [this] { cmdList_Click(); });
    connect(cmdEdit, &QPushButton::clicked, this, [this] { cmdEdit_Click(); });
    connect(cmdDelete, &QPushButton::clicked, this, [this] { cmdDelete_Click(); });
    connect(ListView1, &QTreeWidget::itemClicked, this, [this] { ListView1_ItemClick(); });
    connect(ListView1->header(), &QHeaderView::sectionClicked, this,
            [this](int column) { ListView1_ColumnClick(column); });
    ListView1->setSelectionMode(QAbstractItemView::SingleSelection);
    ListView1->setSelectionBehavior(QAbstractItemView::SelectRows);
    ListView1->header()->setSectionsClickable(true);
    addHook([this](QObject* watched, QEvent* event) {
        if (watched == ListView1 && event->type() == QEvent::FocusOut) {
            ListView1_LostFocus();
        } else if (watched == ListView1->viewport() && event->type() == QEvent::MouseButtonRelease) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            ListView1_MouseUp(mouse->button(), mouse->position().toPoint());
        }
        return false;
    })
        .watch(*ListView1)
        .watch(*ListView1->viewport());
}

void Form1::Listdisplay() {
    ListView1->clear();
    for (const int number : shownRecordNumbers(state_.logbook.log.ContactCount(), ListAll)) {
        QStringList columns;
        for (const std::string& column : listColumns(number, state_.logbook.log.record(number)))
            columns << qtText(column);
        ListView1->addTopLevelItem(new QTreeWidgetItem(columns));
    }
}

void Form1::cmdList_Click() {
    ListAll = !ListAll;
    cmdList->setText(ListAll ? QStringLiteral("All") : QStringLiteral("Last 20"));
    Listdisplay();
    txtCall->setFocus();
}

// Orders the rows once by the text of the column; rows added later are not kept in order.
void Form1::ListView1_ColumnClick(int column) { ListView1->sortItems(column, Qt::AscendingOrder); }

void Form1::ListView1_ItemClick() { showListButtons(selectedRecord().has_value()); }

void Form1::ListView1_LostFocus() {
    if (selectedRecord()) showListButtons(true);
}

// A right click on a row edits it; below the last row it does nothing.
void Form1::ListView1_MouseUp(Qt::MouseButton button, const QPoint& position) {
    if (button != Qt::RightButton) return;
    QTreeWidgetItem* item = ListView1->itemAt(position);
    if (item == nullptr) return;
    ListView1->setCurrentItem(item);
    cmdEdit_Click();
}

std::optional<int> Form1::selectedRecord() const {
    const QList<QTreeWidgetItem*> selected = ListView1->selectedItems();
    if (selected.size() != 1) return std::nullopt;
    const auto number = parseInteger(stdText(selected.front()->text(0)), 1, state_.logbook.log.ContactCount());
    if (!number) return std::nullopt;
    return static_cast<int>(*number);
}

void Form1::showListButtons(bool shown) {
    cmdEdit->setVisible(shown);
    cmdDelete->setVisible(shown);
}

void Form1::cmdEdit_Click() {
    const auto number = selectedRecord();
    if (!number) return;
    std::optional<Contact> edited;
    {
        frmEditCon window(
            state_, services_, *number, [this, n = *number] { deleteRecord(n); }, this);
        window.exec();
        edited = window.editedContact();
    }
    Listdisplay();
    showListButtons(false);
    // Written and reloaded even when nothing changed, so the window always shows the file.
    storeLog(edited ? withRecordReplaced(state_.logbook.log, *number, std::move(*edited))
                    : state_.logbook.log.records());
    // The next exchange is typed at once: the focus must not stay on a button just hidden.
    txtCall->setFocus();
}

void Form1::cmdDelete_Click() {
    if (const auto number = selectedRecord())
        deleteRecord(*number);
    else
        showListButtons(false);
}

void Form1::deleteRecord(int recordNumber) {
    const MessageAnswer answer =
        services_.ui.messageBox("Are you sure?", "Are you sure?", MessageButtons::YesNo, MessageIcon::Question);
    showListButtons(false);
    if (answer == MessageAnswer::Yes) storeLog(withRecordRemoved(state_.logbook.log, recordNumber));
    txtCall->setFocus();
}

void Form1::storeLog(std::vector<Contact> records) {
    // The file is written from the changed records; only once that worked does the log in
    // memory keep them, so a failed write changes neither.
    std::vector<Contact> before = state_.logbook.log.records();
    state_.logbook.log.replaceAll(std::move(records));
    if (auto written = rewriteLogFromMemory(state_.logbook, state_.folders, services_.files); !written) {
        state_.logbook.log.replaceAll(std::move(before));
        services_.ui.messageBox("Error Saving Log", written.error + "  The log file and the contacts are unchanged.",
                                MessageButtons::Ok, MessageIcon::Critical);
        Listdisplay();
        return;
    }
    mnuopen2();
}

}  // namespace topband
