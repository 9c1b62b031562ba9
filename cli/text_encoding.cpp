#include "cli/text_encoding.h"

#include "cli/trouble.h"
#include "core/result_row.h"
#include "gb18030/gb18030_text.h"

#include <QByteArray>
#include <QStringDecoder>

namespace quorrel::cli {
namespace {

constexpr QChar replacementCharacter(0xFFFD);
constexpr std::string_view encodedReplacementCharacter = "\xEF\xBF\xBD";

// The byte offset of the first invalid sequence in `bytes`, given `decoded`,
// their decoding with U+FFFD for each invalid sequence. Up to the first
// invalid sequence every character was decoded from its own bytes, so the
// UTF-8 lengths of the characters before it add up to its offset.
std::size_t firstInvalidOffset(std::string_view bytes, const QString& decoded)
{
    std::size_t offset = 0;
    for (qsizetype i = 0; i < decoded.size(); ++i) {
        const QChar c = decoded[i];
        if (c == replacementCharacter && bytes.substr(offset, 3) != encodedReplacementCharacter)
            return offset;
        if (c.isHighSurrogate()) {
            offset += 4;
            ++i;
        } else {
            offset += c.unicode() < 0x80 ? 1 : c.unicode() < 0x800 ? 2 : 3;
        }
    }
    return offset;
}

// ASCII bytes read the same in UTF-8 and in GB18030.
bool isAscii(std::string_view bytes)
{
    unsigned char highBits = 0;
    for (const char c : bytes)
        highBits |= static_cast<unsigned char>(c);
    return highBits < 0x80;
}

// Without ConvertInitialBom the decoder drops a leading U+FEFF.
QStringDecoder utf8Decoder()
{
    return QStringDecoder(QStringConverter::Utf8,
                          QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom);
}

QByteArrayView viewOf(std::string_view bytes)
{
    return QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

}  // namespace

std::string toCoreText(std::string bytes, Encoding encoding, std::string_view side)
{
    if (encoding == Encoding::Gbk || isAscii(bytes))
        return bytes;
    QStringDecoder decoder = utf8Decoder();
    const QString text = decoder.decode(viewOf(bytes));
    if (decoder.hasError())
        throw Trouble("the " + std::string(side) + " is not valid UTF-8 at byte offset " +
                      std::to_string(firstInvalidOffset(bytes, text)));
    return encodeGb18030(text);
}

std::string_view fromCoreText(std::string_view cell, Encoding encoding, std::string& converted)
{
    if (encoding == Encoding::Gbk || isAscii(cell))
        return cell;
    // The state marks stand in almost every row: each is converted once.
    static const std::string equalMarkCharacters = decodeGb18030(equalMark).toStdString();
    static const std::string differentMarkCharacters = decodeGb18030(differentMark).toStdString();
    if (cell == equalMark)
        return equalMarkCharacters;
    if (cell == differentMark)
        return differentMarkCharacters;
    converted = decodeGb18030(cell).toStdString();
    return converted;
}

QString outputCharacters(std::string_view bytes, Encoding encoding)
{
    if (encoding == Encoding::Gbk)
        return decodeGb18030(bytes);
    return utf8Decoder().decode(viewOf(bytes));
}

}  // namespace quorrel::cli
