// Reading and replacing the text of an input as GBK bytes.
#pragma once

#include "core/text_primitives.h"

#include <string_view>

class QLineEdit;

namespace quorrel {

// The whole current text of `input` as GBK bytes, spaces and all; "" when
// the input is empty.
[[nodiscard]] Text readInputText(const QLineEdit& input);

// Replaces the whole text of `input` with the GBK bytes `text`; "" empties
// it. Bytes that form no character show as U+FFFD.
void setInputText(QLineEdit& input, std::string_view text);

}  // namespace quorrel
