#include "input_text.h"

#include "gbk_text.h"

#include "line_input.h"

namespace quorrel {

Text readInputText(const LineInput& input)
{
    return encodeGbk(input.text());
}

void setInputText(LineInput& input, std::string_view text)
{
    input.setText(decodeGbk(text));
}

}  // namespace quorrel
