#include "gb18030/gb18030_text.h"

#include <QByteArray>
#include <QStringDecoder>
#include <QStringEncoder>

namespace quorrel {
namespace {

constexpr const char* encodingName = "GB18030";
// Without ConvertInitialBom a converter may take a leading U+FEFF for a byte
// order mark and drop it.
constexpr QStringConverter::Flags flags = QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom;

}  // namespace

std::string encodeGb18030(const QString& text)
{
    QStringEncoder encoder(encodingName, flags);
    const QByteArray bytes = encoder.encode(text);
    return bytes.toStdString();
}

QString decodeGb18030(std::string_view bytes)
{
    // The decoder silently drops an incomplete sequence at the end of its
    // input. A line feed after the bytes makes it report that sequence as
    // U+FFFD like any other; the line feed itself always comes back last.
    QByteArray terminated(bytes.data(), static_cast<qsizetype>(bytes.size()));
    terminated.append('\n');
    QStringDecoder decoder(encodingName, flags);
    QString text = decoder.decode(terminated);
    text.chop(1);
    return text;
}

}  // namespace quorrel
