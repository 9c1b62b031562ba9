// Where a parameter string comes from: the argument itself, a file or
// standard input.
#pragma once

#include <string>
#include <string_view>

namespace quorrel::cli {

// The bytes that `argument` stands for: "@-" reads standard input, "@path"
// reads the file, and anything else is the string itself. From a file or
// standard input one line ending ("\n" or "\r\n") at the very end is dropped,
// as the shell's $(cat file) would; nothing else is trimmed. Throws Trouble
// naming `side` when the file cannot be read or the bytes hold a NUL byte.
[[nodiscard]] std::string readParameterString(const std::string& argument, std::string_view side);

}  // namespace quorrel::cli
