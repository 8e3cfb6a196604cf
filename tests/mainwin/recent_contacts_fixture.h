#pragma once
// The main window started on a chosen log, with the helpers the list and edit tests share:
// the rows as shown, a click on a row, and the edit window answered from inside its loop.
#include <QApplication>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>

#include "mainwin/edit_window.h"
#include "tests/mainwin/main_window_fixture.h"
#include "tests/support/widget_text.h"

namespace topband::testing {

inline Contact contact(const std::string& call, const std::string& section, const std::string& country = "USA",
                       const std::string& time = "22:01:07") {
    return {call, "599", section, "599", country, "2026/12/05", time};
}

class RecentContactsTest : public MainWindowTest {
protected:
    void start(const std::vector<Contact>& log) {
        std::string content;
        for (const Contact& c : log) content += line(c);
        openOn(content);
    }

    // The text of one column, row by row as shown.
    std::vector<std::string> column(int index) const {
        std::vector<std::string> texts;
        for (int row = 0; row < form.ListView1->topLevelItemCount(); ++row)
            texts.push_back(stdText(form.ListView1->topLevelItem(row)->text(index)));
        return texts;
    }

    void clickRow(int row, Qt::MouseButton button = Qt::LeftButton) {
        const QRect rect = form.ListView1->visualItemRect(form.ListView1->topLevelItem(row));
        QTest::mouseClick(form.ListView1->viewport(), button, {}, rect.center());
    }

    bool buttonsShown() const { return form.cmdEdit->isVisible() && form.cmdDelete->isVisible(); }

    // Clicks the row, then "Edit Contact", and runs `operate` on the edit window while it is open.
    void editRow(int row, std::function<void(frmEditCon&)> operate) {
        clickRow(row);
        ASSERT_TRUE(buttonsShown());
        whenModalOpens([operate = std::move(operate)](QWidget& modal) { operate(dynamic_cast<frmEditCon&>(modal)); });
        QTest::mouseClick(form.cmdEdit, Qt::LeftButton);
    }

    std::string logText() const { return work.read("Log.txt"); }
};

}  // namespace topband::testing
