#pragma once
// Puts the process under a comma-decimal locale, as a French-Canadian desktop would,
// so that any number formatting that follows the locale shows up in the tests.
#include <QLocale>
#include <clocale>
#include <locale>

namespace topband::testing {

struct CommaDecimal : std::numpunct<char> {
    char do_decimal_point() const override { return ','; }
    char do_thousands_sep() const override { return ' '; }
    std::string do_grouping() const override { return "\3"; }
};

inline void useCommaDecimalLocale() {
    std::setlocale(LC_ALL, "fr_CA.UTF-8");  // when the machine has it
    std::locale::global(std::locale(std::locale::classic(), new CommaDecimal));
    QLocale::setDefault(QLocale(QLocale::French, QLocale::Canada));
}

}  // namespace topband::testing
