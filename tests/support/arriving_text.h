#pragma once
// Text that reaches a field without its keys: pasted, or committed by an input method.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <string>

#include "tests/support/widget_text.h"

namespace topband::testing {

// Puts `arriving` into the emptied field both ways and expects the field to hold `kept` each time.
inline void expectArrivingTextKept(QLineEdit& field, const QString& arriving, const std::string& kept) {
    field.clear();
    QApplication::clipboard()->setText(arriving);
    field.paste();
    EXPECT_EQ(textOf(field), kept) << "pasted " << stdText(arriving);
    field.clear();
    QInputMethodEvent composed;
    composed.setCommitString(arriving);
    QApplication::sendEvent(&field, &composed);
    EXPECT_EQ(textOf(field), kept) << "composed " << stdText(arriving);
}

}  // namespace topband::testing
