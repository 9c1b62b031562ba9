// Names and values of requests as they were sent: percent-decoded, the
// escaped bytes read in the charset of the request.
#pragma once

#include "core/shown_rows.h"

#include <string_view>

namespace quorrel {

// The charsets in which escaped bytes are read.
enum class Charset { Utf8, Gb18030 };

// `cell`, the core's GB18030 bytes, percent-decoded (percentDecoded) with
// the escaped bytes taken as `charset`. Characters that were not escaped
// keep their meaning: for UTF-8 the cell is first written in UTF-8, so
// "%E4%B8%AD" and "中" decode to the same bytes.
// - compared: those decoded bytes, so two different invalid escapes never
//   compare equal;
// - shown: the decoded bytes read in `charset`, each invalid sequence as
//   U+FFFD, as the core's bytes again.
[[nodiscard]] DecodedCell percentDecodedCell(std::string_view cell, Charset charset);

}  // namespace quorrel
