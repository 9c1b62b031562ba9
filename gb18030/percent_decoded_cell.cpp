#include "gb18030/percent_decoded_cell.h"

#include "core/request_texts.h"
#include "gb18030/gb18030_text.h"

#include <algorithm>

namespace quorrel {

DecodedCell percentDecodedCell(std::string_view cell, Charset charset)
{
    // Plain ASCII reads the same in every charset: nothing to convert.
    const bool plain = std::all_of(cell.begin(), cell.end(), [](char c) {
        return static_cast<unsigned char>(c) < 0x80 && c != '%' && c != '+';
    });
    if (plain) {
        return {Text(cell), Text(cell)};
    }
    if (charset == Charset::Gb18030) {
        Text compared = percentDecoded(cell);
        return {encodeGb18030(decodeGb18030(compared)), std::move(compared)};
    }
    Text compared = percentDecoded(decodeGb18030(cell).toStdString());
    return {encodeGb18030(QString::fromUtf8(compared.data(), static_cast<qsizetype>(compared.size()))),
            std::move(compared)};
}

}  // namespace quorrel
