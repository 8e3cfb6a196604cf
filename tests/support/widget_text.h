#pragma once
// Text in the window tests. The conversions between the logic's std::string and the widgets'
// QString are the windows' own (qtText, stdText, textOf from window/qt_text.h); the tests add
// only a printer, so that a QString in a failed expectation reads as text.
#include <gtest/gtest.h>

#include <QString>
#include <ostream>

#include "window/qt_text.h"

// Beside QString in the global namespace, where the printer looks for it.
inline void PrintTo(const QString& text, std::ostream* os) { *os << ::testing::PrintToString(text.toStdString()); }
