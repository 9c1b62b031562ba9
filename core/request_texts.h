// Texts as requests carry them: percent-encoded values and whole URLs,
// read byte for byte.
#pragma once

#include <string>
#include <string_view>

namespace quorrel {

// `text` with its escapes decoded, as browsers encode form values: "+" is a
// space, and "%" followed by two hexadecimal digits (either case) is the
// byte they name. Any other "%" stays as it is, and every other byte is
// copied unchanged, so the result reads in whatever encoding the escaped
// bytes were:
//   "a+b" -> "a b"    "%E4%B8%AD" -> bytes E4 B8 AD    "%2b" -> "+"
//   "100%" -> "100%"    "%zz" -> "%zz"    "%4" -> "%4"    "%%41" -> "%A"
[[nodiscard]] std::string percentDecoded(std::string_view text);

// The query of a URL or request target: first everything from the first
// "#" on is dropped, then everything up to and including the first "?". A
// text without "?" is taken as the query itself:
//   "https://h/p?a=1&b=2#top" -> "a=1&b=2"    "/p?" -> ""    "a=1" -> "a=1"
//   "a=1#x?y" -> "a=1"
[[nodiscard]] std::string_view urlQuery(std::string_view url);

}  // namespace quorrel
