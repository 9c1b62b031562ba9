#include "cli/row_formats.h"

#include "cli/terminal_width.h"
#include "cli/text_encoding.h"
#include "core/character_step.h"
#include "core/result_row.h"
#include "gb18030/gb18030_text.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <array>
#include <cstdio>
#include <string_view>

namespace quorrel::cli {
namespace {

bool isControl(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    return byte < 0x20 || byte == 0x7F;
}

// Appends `c`, escaped if it is a backslash, tab, carriage return or line
// feed, or with `controlsAsHex` any other control byte, as \xHH.
void appendEscaped(std::string& escaped, char c, bool controlsAsHex)
{
    if (c == '\\') {
        escaped += "\\\\";
    } else if (c == '\t') {
        escaped += "\\t";
    } else if (c == '\r') {
        escaped += "\\r";
    } else if (c == '\n') {
        escaped += "\\n";
    } else if (controlsAsHex && isControl(c)) {
        char hex[5];
        std::snprintf(hex, sizeof hex, "\\x%02X", static_cast<unsigned char>(c));
        escaped += hex;
    } else {
        escaped += c;
    }
}

// Appends the output bytes `bytes` with every character escaped by
// appendEscaped.
// With gbk the bytes are walked with the core's character step, so the
// second byte of a character such as 81 5C is no backslash; a control byte
// is escaped even as a second byte, so that no cell breaks a line. UTF-8
// needs no step: its bytes from 0x80 are never ASCII.
void appendEscapedCell(std::string& escaped, std::string_view bytes, Encoding encoding, bool controlsAsHex)
{
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        const std::size_t width = encoding == Encoding::Gbk ? characterWidth(bytes, pos) : 1;
        if (width > 1 && !isControl(bytes[pos + 1])) {
            escaped += bytes.substr(pos, width);
            pos += width;
        } else {
            appendEscaped(escaped, bytes[pos++], controlsAsHex);
        }
    }
}

struct TableCell {
    std::string bytes;
    int width = 0;
};

TableCell tableCell(std::string_view bytes, Encoding encoding)
{
    TableCell cell;
    cell.bytes.reserve(bytes.size());
    appendEscapedCell(cell.bytes, bytes, encoding, true);
    cell.width = terminalWidth(outputCharacters(cell.bytes, encoding));
    return cell;
}

// `text` as a JSON string literal. QJsonObject keeps its members sorted by
// name, so the objects are framed by hand and QJsonDocument writes only the
// strings, each as the one element of an array.
std::string jsonString(const QString& text)
{
    const QByteArray array = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
    return array.sliced(1, array.size() - 2).toStdString();
}

}  // namespace

std::string formatTable(const std::vector<ResultRow>& rows, Encoding encoding)
{
    using Line = std::array<TableCell, columnCount>;
    std::vector<Line> lines;
    lines.reserve(rows.size() + 1);
    Line& header = lines.emplace_back();
    for (std::size_t column = 0; column < columnCount; ++column)
        header[column] = tableCell(columnTitles[column], encoding);
    std::string converted;
    for (const ResultRow& row : rows) {
        Line& line = lines.emplace_back();
        for (std::size_t column = 0; column < columnCount; ++column)
            line[column] = tableCell(fromCoreText(row[column], encoding, converted), encoding);
    }

    std::array<int, columnCount> widths{};
    for (const Line& line : lines) {
        for (std::size_t column = 0; column < columnCount; ++column)
            widths[column] = std::max(widths[column], line[column].width);
    }

    std::string table;
    for (const Line& line : lines) {
        std::size_t last = columnCount;
        while (last > 0 && line[last - 1].bytes.empty())
            --last;
        for (std::size_t column = 0; column < last; ++column) {
            table += line[column].bytes;
            if (column + 1 < last)
                table.append(static_cast<std::size_t>(widths[column] - line[column].width + 2), ' ');
        }
        table += '\n';
    }
    return table;
}

std::string formatTsv(const std::vector<ResultRow>& rows, Encoding encoding)
{
    std::string tsv;
    for (std::size_t column = 0; column < columnCount; ++column) {
        tsv += column > 0 ? "\t" : "";
        tsv += columnTitles[column];
    }
    tsv += '\n';
    std::string converted;
    for (const ResultRow& row : rows) {
        for (std::size_t column = 0; column < columnCount; ++column) {
            if (column > 0)
                tsv += '\t';
            appendEscapedCell(tsv, fromCoreText(row[column], encoding, converted), encoding, false);
        }
        tsv += '\n';
    }
    return tsv;
}

std::string formatJson(const std::vector<ResultRow>& rows)
{
    if (rows.empty())
        return "[]\n";
    std::string json = "[\n";
    for (std::size_t i = 0; i < rows.size(); ++i) {
        json += "  {";
        for (std::size_t column = 0; column < columnCount; ++column) {
            if (column > 0)
                json += ", ";
            json += '"';
            json += columnTitles[column];
            json += "\": ";
            json += jsonString(decodeGb18030(rows[i][column]));
        }
        json += i + 1 < rows.size() ? "},\n" : "}\n";
    }
    json += "]\n";
    return json;
}

}  // namespace quorrel::cli
