// Between the command line's encoding and the core's GBK texts.
#pragma once

#include "cli/command_line.h"

#include <QString>

#include <string>
#include <string_view>

namespace quorrel::cli {

// The core's bytes for `bytes` given in `encoding`. With utf-8 the bytes are
// decoded strictly (overlong forms, surrogates and a sequence cut short at
// the end are errors; a leading byte order mark is kept as a character) and
// encoded as GB18030, as the window does with typed text. With gbk they are
// returned unchanged. Throws Trouble naming `side` and the byte offset at
// which the first invalid UTF-8 sequence starts.
[[nodiscard]] std::string toCoreText(std::string bytes, Encoding encoding, std::string_view side);

// A cell of the core as output bytes: GB18030 decoded and written as UTF-8
// with utf-8, unchanged with gbk. The view is `cell` itself where the bytes
// stay the same, else it shows `converted` or bytes that live as long as
// the program.
[[nodiscard]] std::string_view fromCoreText(std::string_view cell, Encoding encoding, std::string& converted);

// Output bytes in `encoding` as characters for measuring: UTF-8 with a
// leading U+FEFF kept, or GB18030 with bytes that form no character read as
// U+FFFD.
[[nodiscard]] QString outputCharacters(std::string_view bytes, Encoding encoding);

}  // namespace quorrel::cli
