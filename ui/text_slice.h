// TextSlice: one line of layout over a piece of a long text.
#pragma once

#include <QList>
#include <QString>
#include <QTextLayout>

class QFont;
class QPainter;

namespace quorrel {

// Lays out the characters [start, end) of a text as one line, with the
// input method's preedit text shown at `preeditAt` when that lies in the
// piece. Positions in and out are positions in the whole text, so a caller
// never deals with the piece's own offsets. Control characters show as
// spaces. The cost is that of the piece, whatever the length of the text.
class TextSlice {
public:
    struct Preedit {
        qsizetype at = -1;
        QString text;
        QList<QTextLayout::FormatRange> formats;
    };

    TextSlice(const QString& text, qsizetype start, qsizetype end, const QFont& font, const Preedit& preedit);

    [[nodiscard]] qsizetype start() const { return first; }
    [[nodiscard]] qsizetype end() const { return last; }
    // The x of the caret before text position `position`, clamped to the
    // piece; `preeditCaret` counts into the preedit text when it stands there.
    [[nodiscard]] qreal x(qsizetype position, qsizetype preeditCaret = 0) const;
    // The caret position nearest to `x`.
    [[nodiscard]] qsizetype positionAt(qreal x) const;
    // The text position of the character under `x`.
    [[nodiscard]] qsizetype characterAt(qreal x) const;
    // The first caret position at or after `x`.
    [[nodiscard]] qsizetype positionFrom(qreal x) const;
    [[nodiscard]] qreal ascent() const { return line.ascent(); }
    [[nodiscard]] qreal naturalWidth() const { return line.naturalTextWidth(); }

    // Draws the piece with its left end of text at `origin`, the range
    // [selectionStart, selectionEnd) highlighted with `highlight` colours.
    void draw(QPainter& painter, const QPointF& origin, qsizetype selectionStart, qsizetype selectionEnd,
              const QTextCharFormat& highlight) const;
    void drawCursor(QPainter& painter, const QPointF& origin, qsizetype position, qsizetype preeditCaret,
                    int width) const;

private:
    [[nodiscard]] int layoutIndex(qsizetype position) const;
    [[nodiscard]] qsizetype textPosition(int index) const;

    qsizetype first;
    qsizetype last;
    qsizetype preeditAt;
    qsizetype preeditLength;
    QTextLayout layout;
    QTextLine line;
};

}  // namespace quorrel
