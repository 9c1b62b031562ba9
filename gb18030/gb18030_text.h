// The boundary between Qt's Unicode strings and the core's GBK bytes.
//
// Texts are encoded as GB18030, the superset of GBK that agrees with it on
// every one- and two-byte character and can hold every Unicode character, so
// no typed character is lost or turned into "?". A leading U+FEFF (a
// zero-width no-break space) is a character like any other, both ways.
#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace quorrel {

// `text` as GB18030 bytes; every GBK character keeps its GBK bytes.
[[nodiscard]] std::string encodeGb18030(const QString& text);

// `bytes` read as GB18030. Bytes that form no character, a lone first byte
// at the end included, each read as U+FFFD.
[[nodiscard]] QString decodeGb18030(std::string_view bytes);

}  // namespace quorrel
