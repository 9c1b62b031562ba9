#include "ui/input_text.h"

#include "gb18030/gb18030_text.h"

#include <QLineEdit>

namespace quorrel {

Text readInputText(const QLineEdit& input)
{
    return encodeGb18030(input.text());
}

void setInputText(QLineEdit& input, std::string_view text)
{
    input.setText(decodeGb18030(text));
}

}  // namespace quorrel
