#pragma once
// Two contacts and their lines in Log.txt, for the log-file tests.
#include <string>

#include "core/contact_log.h"

namespace topband::testing {

inline const Contact kLive{"K1ABC", "599", "CT", "599", "USA", "2026/12/05", "22:01:07"};
inline const Contact kDx{"G3XYZ", "579", "", "599", "England", "2026/12/05", "22:03"};
inline const std::string kLiveLine = "\"K1ABC\",\"599\",\"CT\",\"599\",\"USA\",\"2026/12/05\",\"22:01:07\"\r\n";
inline const std::string kDxLine = "\"G3XYZ\",\"579\",\"\",\"599\",\"England\",\"2026/12/05\",\"22:03\"\r\n";

}  // namespace topband::testing
