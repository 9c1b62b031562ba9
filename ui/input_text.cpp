#include "ui/input_text.h"

#include "gb18030/gb18030_text.h"

#include "ui/line_input.h"

namespace quorrel {

Text readInputText(const LineInput& input)
{
    return encodeGb18030(input.text());
}

void setInputText(LineInput& input, std::string_view text)
{
    input.setText(decodeGb18030(text));
}

}  // namespace quorrel
