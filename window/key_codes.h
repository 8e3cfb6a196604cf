#pragma once
// The character codes the key handlers receive: printable keys as their ASCII code, and these.
// A handler sets the code to kNoKey to drop the key.

namespace topband {

inline constexpr int kNoKey = 0;
inline constexpr int kBackspace = 8;
inline constexpr int kTab = 9;
inline constexpr int kEnter = 13;
inline constexpr int kEscape = 27;
inline constexpr int kBlank = 32;
inline constexpr int kQuote = 34;

inline constexpr bool isDigitKey(int key) { return key >= '0' && key <= '9'; }
inline constexpr bool isLowerCaseLetterKey(int key) { return key >= 'a' && key <= 'z'; }
// A lower-case letter as its capital; every other key unchanged.
inline constexpr int capitalKey(int key) { return isLowerCaseLetterKey(key) ? key - 'a' + 'A' : key; }

}  // namespace topband
