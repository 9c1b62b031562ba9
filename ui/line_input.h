// LineInput: a one-line text input that stays fast with texts of many MB.
#pragma once

#include "ui/line_text.h"
#include "ui/text_slice.h"

#include <QBasicTimer>
#include <QClipboard>
#include <QPoint>
#include <QWidget>

#include <memory>

class QMimeData;
class QStyleOptionFrame;

namespace quorrel {

// Behaves as a line edit does: one line that scrolls sideways with the
// caret, never wraps and has no scroll bars; the style's line-edit frame and
// colours, the text centred vertically; the keys, mouse, clipboard (the
// primary selection too), undo and redo, context menu, drag and drop, input
// methods and accessibility of Qt's own line edit. Tab and Shift+Tab move
// the focus; Enter and Esc are left to the window.
//
// Unlike Qt's line edit, it lays out and paints only the characters around
// the visible part: the view is kept as the first visible character and
// moves only as far as the caret needs. So a key press, a caret blink or a
// repaint costs the same for 10 bytes and for 10 MB, apart from the string
// edit itself. The selection is kept while the input lacks the focus, and
// shown only while it has it (not in an inactive window either).
class LineInput : public QWidget {
    Q_OBJECT

public:
    explicit LineInput(QWidget* parent = nullptr);

    [[nodiscard]] const QString& text() const { return content.text(); }
    // Replaces the whole text and forgets the undo history; the caret goes
    // to the end.
    void setText(const QString& text);
    [[nodiscard]] qsizetype cursorPosition() const { return content.cursor(); }
    void setCursorPosition(qsizetype position);
    [[nodiscard]] const LineText& lineText() const { return content; }
    // Selects `length` characters from `start`; a negative length selects
    // backwards, the caret ending at the lower end.
    void setSelection(qsizetype start, qsizetype length);
    // Replaces `length` characters at `start` with `text`, as one undo step.
    void replaceText(qsizetype start, qsizetype length, const QString& text);

    [[nodiscard]] Qt::Alignment alignment() const { return textAlignment; }
    // Qt::AlignLeft or Qt::AlignHCenter: where a text that fits stands.
    void setAlignment(Qt::Alignment alignment);

    // The caret's rectangle, and the rectangle of the character at
    // `position`, in widget coordinates; empty when out of view.
    [[nodiscard]] QRect cursorRect() const;
    [[nodiscard]] QRect characterRect(qsizetype position) const;
    // The caret position nearest to the widget point `point`.
    [[nodiscard]] qsizetype positionAt(const QPoint& point) const;

    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // Runs `edit` on the text, then scrolls, repaints and tells input
    // methods and assistive tools what changed.
    template <typename Edit>
    void change(Edit edit);
    bool handleKey(QKeyEvent* event);
    void copy(QClipboard::Mode mode) const;
    void paste(QClipboard::Mode mode);
    void startDrag();
    void restartBlinking();
    void scrollToCursor();
    [[nodiscard]] qsizetype startShowingAtRightEdge(qsizetype position) const;

    [[nodiscard]] QRect lineRect() const;
    [[nodiscard]] TextSlice::Preedit preedit() const;
    // The whole text laid out when it fits in the view, with the width it
    // takes, caret included.
    [[nodiscard]] std::unique_ptr<TextSlice> wholeTextIfItFits(int& widthUsed) const;
    // The laid-out piece of text from the first visible character to past
    // the right edge, and the x in the widget at which its text begins.
    [[nodiscard]] std::unique_ptr<TextSlice> visibleSlice(qreal& origin) const;
    [[nodiscard]] std::unique_ptr<TextSlice> sliceFrom(qsizetype start, qreal width) const;
    [[nodiscard]] std::unique_ptr<TextSlice> sliceEndingAt(qsizetype end, qreal width) const;
    void initStyleOption(QStyleOptionFrame* option) const;

    LineText content;
    Qt::Alignment textAlignment = Qt::AlignLeft;
    qsizetype firstVisible = 0;

    QString preeditText;
    QList<QTextLayout::FormatRange> preeditFormats;
    qsizetype preeditCaret = 0;
    bool preeditHidesCaret = false;

    QBasicTimer blinkTimer;
    bool caretShown = true;

    QBasicTimer dragTimer;
    QBasicTimer tripleClickTimer;
    QPoint pressPoint;
    QPoint tripleClickPoint;
    qsizetype dropPosition = -1;
};

}  // namespace quorrel
