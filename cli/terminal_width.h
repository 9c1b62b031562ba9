// How many terminal columns a text takes.
#pragma once

#include <QString>

namespace quorrel::cli {

// The columns `text` takes on a terminal: two for each wide or fullwidth
// character (CJK ideographs, kana, hangul, fullwidth forms, most emoji),
// none for combining marks and format characters, one for every other.
[[nodiscard]] int terminalWidth(const QString& text);

}  // namespace quorrel::cli
