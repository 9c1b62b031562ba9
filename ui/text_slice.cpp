#include "ui/text_slice.h"

#include <QPainter>
#include <QTextOption>

#include <algorithm>

namespace quorrel {
namespace {

QString shownText(const QString& text, qsizetype start, qsizetype end)
{
    QString shown = text.mid(start, end - start);
    for (QChar& c : shown) {
        if ((c.unicode() < 0x20 && c != u'\t') || c == QChar::LineSeparator || c == QChar::ParagraphSeparator) {
            c = u' ';
        }
    }
    return shown;
}

}  // namespace

TextSlice::TextSlice(const QString& text, qsizetype start, qsizetype end, const QFont& font,
                     const Preedit& preedit)
    : first(start),
      last(end),
      preeditAt(preedit.at >= start && preedit.at <= end && !preedit.text.isEmpty() ? preedit.at : -1),
      preeditLength(preeditAt < 0 ? 0 : preedit.text.size())
{
    QString shown = shownText(text, start, end);
    if (preeditAt >= 0) {
        shown.insert(preeditAt - start, preedit.text);
        QList<QTextLayout::FormatRange> formats = preedit.formats;
        for (QTextLayout::FormatRange& range : formats) {
            range.start += static_cast<int>(preeditAt - start);
        }
        layout.setFormats(formats);
    }
    layout.setText(shown);
    layout.setFont(font);
    QTextOption option = layout.textOption();
    option.setFlags(QTextOption::IncludeTrailingSpaces);
    option.setTextDirection(Qt::LeftToRight);
    layout.setTextOption(option);
    layout.setCacheEnabled(true);
    layout.beginLayout();
    line = layout.createLine();
    layout.endLayout();
}

int TextSlice::layoutIndex(qsizetype position) const
{
    position = std::clamp(position, first, last);
    qsizetype index = position - first;
    if (preeditAt >= 0 && position > preeditAt) {
        index += preeditLength;
    }
    return static_cast<int>(index);
}

qsizetype TextSlice::textPosition(int index) const
{
    qsizetype position = first + index;
    if (preeditAt >= 0 && position > preeditAt) {
        position = std::max(preeditAt, position - preeditLength);
    }
    return std::clamp(position, first, last);
}

qreal TextSlice::x(qsizetype position, qsizetype preeditCaret) const
{
    const int index = layoutIndex(position);
    return line.cursorToX(position == preeditAt ? index + static_cast<int>(preeditCaret) : index);
}

qsizetype TextSlice::positionAt(qreal xPosition) const
{
    return textPosition(line.xToCursor(xPosition, QTextLine::CursorBetweenCharacters));
}

qsizetype TextSlice::characterAt(qreal xPosition) const
{
    return textPosition(line.xToCursor(xPosition, QTextLine::CursorOnCharacter));
}

qsizetype TextSlice::positionFrom(qreal xPosition) const
{
    int index = line.xToCursor(xPosition, QTextLine::CursorOnCharacter);
    if (line.cursorToX(index) < xPosition) {
        index = layout.nextCursorPosition(index);
    }
    return textPosition(index);
}

void TextSlice::draw(QPainter& painter, const QPointF& origin, qsizetype selectionStart,
                     qsizetype selectionEnd, const QTextCharFormat& highlight) const
{
    QList<QTextLayout::FormatRange> selections;
    if (selectionStart < last && selectionEnd > first) {
        const int start = layoutIndex(selectionStart);
        selections.append({start, layoutIndex(selectionEnd) - start, highlight});
    }
    layout.draw(&painter, origin, selections);
}

void TextSlice::drawCursor(QPainter& painter, const QPointF& origin, qsizetype position,
                           qsizetype preeditCaret, int width) const
{
    const int index = layoutIndex(position);
    layout.drawCursor(&painter, origin, position == preeditAt ? index + static_cast<int>(preeditCaret) : index,
                      width);
}

}  // namespace quorrel
