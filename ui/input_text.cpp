#include "ui/input_text.h"

#include "ui/gbk_text.h"

#include <QLineEdit>

namespace quorrel {

Text readInputText(const QLineEdit& input)
{
    return encodeGbk(input.text());
}

void setInputText(QLineEdit& input, std::string_view text)
{
    input.setText(decodeGbk(text));
}

}  // namespace quorrel
