#include "ui/line_input.h"

#include "ui/line_input_accessible.h"

#include <QAccessible>
#include <QDrag>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QStyle>
#include <QStyleHints>
#include <QStyleOptionFrame>
#include <QTextCharFormat>

#include <algorithm>

namespace quorrel {
namespace {

// The gap between the frame's contents and the text, as in Qt's line edit.
constexpr int horizontalMargin = 2;
// Characters laid out before the first visible one, so that it is shaped
// with what precedes it.
constexpr qsizetype shapingMargin = 8;
// The first guess of how many characters fill the view, and the most that
// are ever laid out at once.
constexpr qsizetype firstSliceLength = 256;
constexpr qsizetype longestSlice = qsizetype{1} << 14;
// The characters around the caret that input methods are told of.
constexpr qsizetype surroundingLength = 1024;

// `position` moved off the second half of a surrogate pair, towards the
// start of the text.
qsizetype pairStart(const QString& text, qsizetype position)
{
    return position > 0 && position < text.size() && text.at(position).isLowSurrogate() ? position - 1 : position;
}

// Whether a key's text goes into the input, as Qt's line edit decides.
bool isTextInput(const QKeyEvent& event)
{
    const QString text = event.text();
    if (text.isEmpty()) {
        return false;
    }
    const QChar c = text.at(0);
    if (c.category() == QChar::Other_Format) {
        return true;
    }
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    if (modifiers == Qt::ControlModifier || modifiers == (Qt::ShiftModifier | Qt::ControlModifier)) {
        return false;
    }
    return c.isPrint() || c.category() == QChar::Other_PrivateUse
           || (c.isHighSurrogate() && text.size() > 1 && text.at(1).isLowSurrogate());
}

// Whether the desktop's key scheme is that of X11 desktops, where Left and
// Right with a selection go to its edge. Only that scheme binds a key to
// deleting the complete line.
bool stepsStopAtSelectionEdge()
{
    static const bool x11 = !QKeySequence::keyBindings(QKeySequence::DeleteCompleteLine).isEmpty();
    return x11;
}

bool selectionIsSupported()
{
    return QGuiApplication::clipboard()->supportsSelection();
}

}  // namespace

LineInput::LineInput(QWidget* parent)
    : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_InputMethodEnabled);
    setBackgroundRole(QPalette::Base);
    setCursor(Qt::IBeamCursor);
    setAcceptDrops(true);
    LineInputAccessible::install();
}

void LineInput::setText(const QString& text)
{
    change([&] {
        content.setText(text);
        firstVisible = 0;
    });
}

void LineInput::setCursorPosition(qsizetype position)
{
    change([&] { content.moveCursor(position, false); });
}

void LineInput::setSelection(qsizetype start, qsizetype length)
{
    change([&] { content.setSelection(start, length); });
}

void LineInput::replaceText(qsizetype start, qsizetype length, const QString& text)
{
    change([&] { content.replace(start, length, text); });
}

void LineInput::setAlignment(Qt::Alignment alignment)
{
    textAlignment = alignment;
    scrollToCursor();
    update();
}

template <typename Edit>
void LineInput::change(Edit edit)
{
    const bool accessible = QAccessible::isActive();
    const QString before = accessible ? content.text() : QString();
    edit();
    restartBlinking();
    scrollToCursor();
    update();
    updateMicroFocus();
    if (!accessible) {
        return;
    }
    const auto caret = static_cast<int>(content.cursor());
    if (content.text() != before) {
        QAccessibleTextUpdateEvent event(this, 0, before, content.text());
        event.setCursorPosition(caret);
        QAccessible::updateAccessibility(&event);
    } else if (content.hasSelection()) {
        QAccessibleTextSelectionEvent event(this, static_cast<int>(content.selectionStart()),
                                            static_cast<int>(content.selectionEnd()));
        event.setCursorPosition(caret);
        QAccessible::updateAccessibility(&event);
    } else {
        QAccessibleTextCursorEvent event(this, caret);
        QAccessible::updateAccessibility(&event);
    }
}

void LineInput::restartBlinking()
{
    caretShown = true;
    const int flashTime = QGuiApplication::styleHints()->cursorFlashTime();
    if (hasFocus() && flashTime >= 2) {
        blinkTimer.start(flashTime / 2, this);
    } else {
        blinkTimer.stop();
    }
}

void LineInput::initStyleOption(QStyleOptionFrame* option) const
{
    option->initFrom(this);
    option->rect = contentsRect();
    option->lineWidth = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, option, this);
    option->midLineWidth = 0;
    option->state |= QStyle::State_Sunken;
    option->features = QStyleOptionFrame::None;
}

// The band the line of text takes: inside the frame, less the margins, one
// line high and centred vertically.
QRect LineInput::lineRect() const
{
    QStyleOptionFrame panel;
    initStyleOption(&panel);
    const QRect contents = style()->subElementRect(QStyle::SE_LineEditContents, &panel, this);
    const int lineHeight = fontMetrics().height();
    return {contents.x() + horizontalMargin, contents.y() + (contents.height() - lineHeight + 1) / 2,
            contents.width() - 2 * horizontalMargin, lineHeight};
}

TextSlice::Preedit LineInput::preedit() const
{
    return {preeditText.isEmpty() ? -1 : content.cursor(), preeditText, preeditFormats};
}

std::unique_ptr<TextSlice> LineInput::sliceFrom(qsizetype start, qreal width) const
{
    const QString& text = content.text();
    const qsizetype from = pairStart(text, std::max<qsizetype>(0, start - shapingMargin));
    std::unique_ptr<TextSlice> slice;
    for (qsizetype length = firstSliceLength;; length *= 4) {
        qsizetype end = std::min(text.size(), start + length);
        end = end < text.size() ? pairStart(text, end) : end;
        slice = std::make_unique<TextSlice>(text, from, end, font(), preedit());
        if (end == text.size() || length >= longestSlice || slice->x(end) - slice->x(start) > width) {
            return slice;
        }
    }
}

std::unique_ptr<TextSlice> LineInput::sliceEndingAt(qsizetype end, qreal width) const
{
    const QString& text = content.text();
    const qsizetype to = std::min(text.size(), end + shapingMargin);
    std::unique_ptr<TextSlice> slice;
    for (qsizetype length = firstSliceLength;; length *= 4) {
        const qsizetype from = pairStart(text, std::max<qsizetype>(0, end - length));
        slice = std::make_unique<TextSlice>(text, from, to < text.size() ? pairStart(text, to) : to, font(), preedit());
        if (from == 0 || length >= longestSlice || slice->x(end, preeditCaret) - slice->x(from) > width) {
            return slice;
        }
    }
}

std::unique_ptr<TextSlice> LineInput::wholeTextIfItFits(int& widthUsed) const
{
    const int width = lineRect().width();
    // A text of more characters than twice the pixels cannot fit.
    if (content.size() > 2 * qsizetype{width}) {
        return nullptr;
    }
    auto whole = std::make_unique<TextSlice>(content.text(), 0, content.size(), font(), preedit());
    widthUsed = qRound(whole->naturalWidth()) + 1;
    if (widthUsed > width) {
        return nullptr;
    }
    return whole;
}

std::unique_ptr<TextSlice> LineInput::visibleSlice(qreal& origin) const
{
    const QRect line = lineRect();
    int widthUsed = 0;
    std::unique_ptr<TextSlice> slice = wholeTextIfItFits(widthUsed);
    if (slice) {
        const bool centred = (textAlignment & Qt::AlignHorizontal_Mask) == Qt::AlignHCenter;
        origin = line.x() + (centred ? (line.width() - widthUsed) / 2 : 0);
        return slice;
    }
    slice = sliceFrom(firstVisible, line.width());
    origin = line.x() - slice->x(firstVisible);
    return slice;
}

// The first visible character that puts the caret before `position` at the
// right edge of the view, or as far right as the text allows.
qsizetype LineInput::startShowingAtRightEdge(qsizetype position) const
{
    const qreal width = lineRect().width() - 1;
    const std::unique_ptr<TextSlice> slice = sliceEndingAt(position, width);
    const qreal left = slice->x(position, preeditCaret) - width;
    if (left <= slice->x(slice->start())) {
        return slice->start();
    }
    return std::min(slice->positionFrom(left), position);
}

// Moves the view as little as keeps the caret in it: a caret left of the
// view becomes the first visible character; a caret past the right edge is
// brought to that edge; a view that shows empty space after the end of the
// text is moved back to fill it.
void LineInput::scrollToCursor()
{
    const QRect line = lineRect();
    const qsizetype caret = content.cursor();
    const qsizetype size = content.size();
    int widthUsed = 0;
    if (line.width() <= 0 || wholeTextIfItFits(widthUsed)) {
        firstVisible = 0;
        return;
    }
    if (caret < firstVisible) {
        firstVisible = caret;
        return;
    }
    const std::unique_ptr<TextSlice> slice = sliceFrom(firstVisible, line.width());
    const qreal left = slice->x(firstVisible);
    if (caret > slice->end() || slice->x(caret, preeditCaret) - left >= line.width()) {
        firstVisible = startShowingAtRightEdge(caret);
    } else if (firstVisible > 0 && slice->end() == size && slice->x(size, preeditCaret) - left + 1 < line.width()) {
        firstVisible = startShowingAtRightEdge(size);
    }
}

QRect LineInput::cursorRect() const
{
    qreal origin = 0;
    const std::unique_ptr<TextSlice> slice = visibleSlice(origin);
    const QRect line = lineRect();
    const int x = qRound(origin + slice->x(content.cursor(), preeditCaret));
    const int width = style()->pixelMetric(QStyle::PM_TextCursorWidth, nullptr, this);
    return {x - 5, line.y(), width + 9, line.height() + 1};
}

QRect LineInput::characterRect(qsizetype position) const
{
    qreal origin = 0;
    const std::unique_ptr<TextSlice> slice = visibleSlice(origin);
    if (position < slice->start() || position >= slice->end()) {
        return {};
    }
    const QRect line = lineRect();
    const qreal left = origin + slice->x(position);
    const qreal right = origin + slice->x(content.nextCursorPosition(position));
    return QRectF(left, line.y(), right - left, line.height()).toAlignedRect();
}

qsizetype LineInput::positionAt(const QPoint& point) const
{
    qreal origin = 0;
    const std::unique_ptr<TextSlice> slice = visibleSlice(origin);
    return slice->positionAt(point.x() - origin);
}

void LineInput::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QStyleOptionFrame panel;
    initStyleOption(&panel);
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &panel, &painter, this);
    painter.setClipRect(style()->subElementRect(QStyle::SE_LineEditContents, &panel, this));

    qreal origin = 0;
    const std::unique_ptr<TextSlice> slice = visibleSlice(origin);
    // The baseline stays where the widget's own font puts it, even when a
    // fallback font for some character is taller.
    const QPointF topLeft(origin, lineRect().y() - (slice->ascent() - fontMetrics().ascent()));
    painter.setPen(palette().color(QPalette::Text));
    QTextCharFormat highlight;
    highlight.setBackground(palette().brush(QPalette::Highlight));
    highlight.setForeground(palette().brush(QPalette::HighlightedText));
    const bool focused = hasFocus();
    slice->draw(painter, topLeft, focused ? content.selectionStart() : 0, focused ? content.selectionEnd() : 0,
                highlight);
    const int caretWidth = style()->pixelMetric(QStyle::PM_TextCursorWidth, nullptr, this);
    const bool caretWithSelection = style()->styleHint(QStyle::SH_BlinkCursorWhenTextSelected, &panel, this);
    if (focused && caretShown && !preeditHidesCaret && (!content.hasSelection() || caretWithSelection)) {
        slice->drawCursor(painter, topLeft, content.cursor(), preeditCaret, caretWidth);
    }
    if (dropPosition >= 0) {
        slice->drawCursor(painter, topLeft, dropPosition, 0, caretWidth);
    }
}

void LineInput::keyPressEvent(QKeyEvent* event)
{
    if (handleKey(event)) {
        if (selectionIsSupported()) {
            copy(QClipboard::Selection);
        }
        event->accept();
    } else if (isTextInput(*event)) {
        change([&] { content.insert(event->text()); });
        event->accept();
    } else {
        event->ignore();
    }
}

// The keys of a line edit, in the order Qt's own line edit tries them.
// Returns false for a key that is not one of them.
bool LineInput::handleKey(QKeyEvent* event)
{
    using Key = QKeySequence::StandardKey;
    const auto is = [event](Key key) { return event->matches(key); };
    if (is(Key::Undo)) {
        change([&] { content.undo(); });
    } else if (is(Key::Redo)) {
        change([&] { content.redo(); });
    } else if (is(Key::SelectAll)) {
        change([&] { content.selectAll(); });
    } else if (is(Key::Copy)) {
        copy(QClipboard::Clipboard);
    } else if (is(Key::Paste)) {
        const bool primary = event->key() == Qt::Key_Insert
                             && event->modifiers() == (Qt::ControlModifier | Qt::ShiftModifier);
        paste(primary ? QClipboard::Selection : QClipboard::Clipboard);
    } else if (is(Key::Cut)) {
        if (content.hasSelection()) {
            copy(QClipboard::Clipboard);
            change([&] { content.deleteForward(); });
        }
    } else if (is(Key::DeleteEndOfLine) || is(Key::DeleteCompleteLine)) {
        const qsizetype start = is(Key::DeleteEndOfLine) ? content.cursor() : 0;
        change([&] { content.setSelection(start, content.size()); });
        copy(QClipboard::Clipboard);
        change([&] { content.deleteForward(); });
    } else if (is(Key::MoveToStartOfLine) || is(Key::MoveToStartOfBlock)) {
        change([&] { content.moveCursor(0, false); });
    } else if (is(Key::MoveToEndOfLine) || is(Key::MoveToEndOfBlock)) {
        change([&] { content.moveCursor(content.size(), false); });
    } else if (is(Key::SelectStartOfLine) || is(Key::SelectStartOfBlock)) {
        change([&] { content.moveCursor(0, true); });
    } else if (is(Key::SelectEndOfLine) || is(Key::SelectEndOfBlock)) {
        change([&] { content.moveCursor(content.size(), true); });
    } else if (is(Key::MoveToNextChar) || is(Key::SelectNextChar)) {
        change([&] { content.stepCharacter(true, is(Key::SelectNextChar), stepsStopAtSelectionEdge()); });
    } else if (is(Key::MoveToPreviousChar) || is(Key::SelectPreviousChar)) {
        change([&] { content.stepCharacter(false, is(Key::SelectPreviousChar), stepsStopAtSelectionEdge()); });
    } else if (is(Key::MoveToNextWord) || is(Key::SelectNextWord)) {
        change([&] { content.stepWord(true, is(Key::SelectNextWord)); });
    } else if (is(Key::MoveToPreviousWord) || is(Key::SelectPreviousWord)) {
        change([&] { content.stepWord(false, is(Key::SelectPreviousWord)); });
    } else if (is(Key::Delete)) {
        change([&] { content.deleteForward(); });
    } else if (is(Key::DeleteEndOfWord)) {
        change([&] { content.deleteWord(true); });
    } else if (is(Key::DeleteStartOfWord)
               || (event->key() == Qt::Key_Backspace && event->modifiers() & Qt::ControlModifier)) {
        change([&] { content.deleteWord(false); });
    } else if (event->key() == Qt::Key_Backspace) {
        change([&] { content.backspace(); });
    } else {
        return false;
    }
    return true;
}

void LineInput::copy(QClipboard::Mode mode) const
{
    if (content.hasSelection()) {
        QGuiApplication::clipboard()->setText(content.selectedText(), mode);
    }
}

void LineInput::paste(QClipboard::Mode mode)
{
    const QString pasted = QGuiApplication::clipboard()->text(mode);
    change([&] { content.insertSeparately(pasted); });
}

void LineInput::inputMethodEvent(QInputMethodEvent* event)
{
    change([&] {
        const QString& commit = event->commitString();
        const bool gettingInput = !commit.isEmpty() || event->preeditString() != preeditText
                                  || event->replacementLength() > 0;
        if (gettingInput && content.hasSelection()) {
            content.insert(QString());
        }
        const qsizetype start = std::max<qsizetype>(0, content.cursor() + event->replacementStart());
        if (!commit.isEmpty() || event->replacementLength() > 0) {
            content.replace(start, event->replacementLength(), commit);
        }
        for (const QInputMethodEvent::Attribute& attribute : event->attributes()) {
            if (attribute.type == QInputMethodEvent::Selection) {
                content.setSelection(attribute.start, attribute.length);
            }
        }
        preeditText = event->preeditString();
        preeditCaret = preeditText.size();
        preeditHidesCaret = false;
        preeditFormats.clear();
        for (const QInputMethodEvent::Attribute& attribute : event->attributes()) {
            if (attribute.type == QInputMethodEvent::Cursor) {
                preeditCaret = attribute.start;
                preeditHidesCaret = attribute.length == 0;
            } else if (attribute.type == QInputMethodEvent::TextFormat) {
                const QTextCharFormat format = qvariant_cast<QTextFormat>(attribute.value).toCharFormat();
                if (format.isValid()) {
                    preeditFormats.append({attribute.start, attribute.length, format});
                }
            }
        }
    });
    event->accept();
}

QVariant LineInput::inputMethodQuery(Qt::InputMethodQuery query) const
{
    const qsizetype caret = content.cursor();
    const qsizetype anchor = content.hasSelection() && caret == content.selectionStart() ? content.selectionEnd()
                                                                                          : content.selectionStart();
    const qsizetype surroundingStart =
        pairStart(content.text(), std::max<qsizetype>(0, std::min(caret, anchor) - surroundingLength));
    const qsizetype surroundingEnd = std::min(content.size(), std::max(caret, anchor) + surroundingLength);
    switch (query) {
    case Qt::ImEnabled:
        return isEnabled();
    case Qt::ImCursorRectangle:
    case Qt::ImAnchorRectangle:
        return cursorRect();
    case Qt::ImFont:
        return font();
    case Qt::ImCursorPosition:
        return static_cast<int>(caret - surroundingStart);
    case Qt::ImAnchorPosition:
        return static_cast<int>(anchor - surroundingStart);
    case Qt::ImSurroundingText:
        return content.text().mid(surroundingStart, surroundingEnd - surroundingStart);
    case Qt::ImTextBeforeCursor:
        return content.text().mid(surroundingStart, caret - surroundingStart);
    case Qt::ImTextAfterCursor:
        return content.text().mid(caret, surroundingEnd - caret);
    case Qt::ImCurrentSelection:
        return content.selectedText();
    case Qt::ImAbsolutePosition:
        return static_cast<qlonglong>(caret);
    case Qt::ImReadOnly:
        return false;
    default:
        return QWidget::inputMethodQuery(query);
    }
}

void LineInput::mousePressEvent(QMouseEvent* event)
{
    pressPoint = event->position().toPoint();
    if (!preeditText.isEmpty()) {
        QGuiApplication::inputMethod()->commit();
    }
    if (event->button() == Qt::RightButton) {
        return;
    }
    if (tripleClickTimer.isActive()
        && (pressPoint - tripleClickPoint).manhattanLength() < QGuiApplication::styleHints()->startDragDistance()) {
        change([&] { content.selectAll(); });
        return;
    }
    const bool extend = event->modifiers() & Qt::ShiftModifier;
    if (!extend && event->button() == Qt::LeftButton && content.hasSelection()) {
        qreal origin = 0;
        const qsizetype under = visibleSlice(origin)->characterAt(pressPoint.x() - origin);
        if (under >= content.selectionStart() && under < content.selectionEnd()) {
            dragTimer.start(QGuiApplication::styleHints()->startDragTime(), this);
            return;
        }
    }
    const qsizetype position = positionAt(pressPoint);
    change([&] { content.moveCursor(position, extend); });
}

void LineInput::mouseMoveEvent(QMouseEvent* event)
{
    if (!(event->buttons() & Qt::LeftButton)) {
        return;
    }
    const QPoint point = event->position().toPoint();
    if (dragTimer.isActive()) {
        if ((pressPoint - point).manhattanLength() > QGuiApplication::styleHints()->startDragDistance()) {
            startDrag();
        }
        return;
    }
    const qsizetype position = positionAt(point);
    change([&] { content.moveCursor(position, true); });
}

void LineInput::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && dragTimer.isActive()) {
        dragTimer.stop();
        change([&] { content.moveCursor(content.cursor(), false); });
        return;
    }
    if (!selectionIsSupported()) {
        return;
    }
    if (event->button() == Qt::LeftButton) {
        copy(QClipboard::Selection);
    } else if (event->button() == Qt::MiddleButton) {
        change([&] { content.moveCursor(content.cursor(), false); });
        paste(QClipboard::Selection);
    }
}

void LineInput::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        return;
    }
    const QPoint point = event->position().toPoint();
    const qsizetype position = positionAt(point);
    change([&] { content.selectWordAt(position); });
    tripleClickTimer.start(QGuiApplication::styleHints()->mouseDoubleClickInterval(), this);
    tripleClickPoint = point;
}

void LineInput::startDrag()
{
    dragTimer.stop();
    auto* dragged = new QMimeData;
    dragged->setText(content.selectedText());
    auto* drag = new QDrag(this);
    drag->setMimeData(dragged);
    const Qt::DropAction action = drag->exec(Qt::CopyAction | Qt::MoveAction);
    if (action == Qt::MoveAction && drag->target() != this) {
        change([&] { content.removeSelection(); });
    }
}

void LineInput::dragEnterEvent(QDragEnterEvent* event)
{
    dragMoveEvent(event);
}

void LineInput::dragMoveEvent(QDragMoveEvent* event)
{
    if (!event->mimeData()->hasText()) {
        return;
    }
    event->acceptProposedAction();
    dropPosition = positionAt(event->position().toPoint());
    update();
}

void LineInput::dragLeaveEvent(QDragLeaveEvent*)
{
    dropPosition = -1;
    update();
}

// A drop inserts the text at the drop point and selects it. Text moved
// within the input leaves its old place; dropped onto itself, nothing
// changes.
void LineInput::dropEvent(QDropEvent* event)
{
    dropPosition = -1;
    const QString dropped = event->mimeData()->text();
    qsizetype position = positionAt(event->position().toPoint());
    const bool fromHere = event->source() == this;
    if (dropped.isNull()
        || (fromHere && position >= content.selectionStart() && position <= content.selectionEnd())) {
        update();
        return;
    }
    event->acceptProposedAction();
    change([&] {
        if (fromHere && event->dropAction() == Qt::MoveAction) {
            if (position > content.selectionEnd()) {
                position -= content.selectionEnd() - content.selectionStart();
            }
            content.removeSelection();
        }
        content.moveCursor(position, false);
        content.insertSeparately(dropped);
        content.setSelection(position, dropped.size());
    });
}

void LineInput::contextMenuEvent(QContextMenuEvent* event)
{
    auto* menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    const auto add = [this, menu](const char* title, QKeySequence::StandardKey key, bool enabled, auto run) {
        QString text = QCoreApplication::translate("QLineEdit", title);
        const QString shortcut = QKeySequence(key).toString(QKeySequence::NativeText);
        if (!shortcut.isEmpty()) {
            text += u'\t' + shortcut;
        }
        QAction* action = menu->addAction(text, this, run);
        action->setEnabled(enabled);
    };
    const bool selected = content.hasSelection();
    add("&Undo", QKeySequence::Undo, content.isUndoAvailable(), [this] { change([&] { content.undo(); }); });
    add("&Redo", QKeySequence::Redo, content.isRedoAvailable(), [this] { change([&] { content.redo(); }); });
    menu->addSeparator();
    add("Cu&t", QKeySequence::Cut, selected, [this] {
        copy(QClipboard::Clipboard);
        change([&] { content.removeSelection(); });
    });
    add("&Copy", QKeySequence::Copy, selected, [this] { copy(QClipboard::Clipboard); });
    add("&Paste", QKeySequence::Paste, !QGuiApplication::clipboard()->text().isEmpty(),
        [this] { paste(QClipboard::Clipboard); });
    add("Delete", QKeySequence::UnknownKey, selected, [this] { change([&] { content.removeSelection(); }); });
    menu->addSeparator();
    add("Select All", QKeySequence::SelectAll,
        content.size() > 0 && content.selectionEnd() - content.selectionStart() < content.size(),
        [this] { change([&] { content.selectAll(); }); });
    menu->popup(event->globalPos());
}

void LineInput::focusInEvent(QFocusEvent* event)
{
    const Qt::FocusReason reason = event->reason();
    if ((reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason || reason == Qt::ShortcutFocusReason)
        && !content.hasSelection()) {
        content.selectAll();
    }
    restartBlinking();
    scrollToCursor();
    update();
    QWidget::focusInEvent(event);
}

void LineInput::focusOutEvent(QFocusEvent* event)
{
    blinkTimer.stop();
    update();
    QWidget::focusOutEvent(event);
}

void LineInput::timerEvent(QTimerEvent* event)
{
    if (event->timerId() == blinkTimer.timerId()) {
        caretShown = !caretShown;
        update(cursorRect());
    } else if (event->timerId() == dragTimer.timerId()) {
        startDrag();
    } else if (event->timerId() == tripleClickTimer.timerId()) {
        tripleClickTimer.stop();
    } else {
        QWidget::timerEvent(event);
    }
}

void LineInput::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
        scrollToCursor();
        update();
    }
    QWidget::changeEvent(event);
}

void LineInput::resizeEvent(QResizeEvent* event)
{
    scrollToCursor();
    QWidget::resizeEvent(event);
}

}  // namespace quorrel
