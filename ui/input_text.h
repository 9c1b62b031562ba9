// Reading and replacing the text of an input as GBK bytes.
#pragma once

#include "core/text_primitives.h"

#include <string_view>

namespace quorrel {

class LineInput;


// The whole current text of `input` as GBK bytes, spaces and all; "" when
// the input is empty.
[[nodiscard]] Text readInputText(const LineInput& input);

// Replaces the whole text of `input` with the GBK bytes `text`; "" empties
// it. Bytes that form no character show as U+FFFD.
void setInputText(LineInput& input, std::string_view text);

}  // namespace quorrel
