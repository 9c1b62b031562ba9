#include "ui/line_input_accessible.h"

#include "ui/line_input.h"

namespace quorrel {
namespace {

QAccessibleInterface* createInterface(const QString& className, QObject* object)
{
    auto* input = qobject_cast<LineInput*>(object);
    if (input == nullptr || className != QLatin1StringView(LineInput::staticMetaObject.className())) {
        return nullptr;
    }
    return new LineInputAccessible(input);
}

}  // namespace

LineInputAccessible::LineInputAccessible(LineInput* input)
    : QAccessibleWidget(input, QAccessible::EditableText)
{
}

void LineInputAccessible::install()
{
    static const bool installed = [] {
        QAccessible::installFactory(createInterface);
        return true;
    }();
    Q_UNUSED(installed);
}

LineInput* LineInputAccessible::input() const
{
    return static_cast<LineInput*>(widget());
}

void* LineInputAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface) {
        return static_cast<QAccessibleTextInterface*>(this);
    }
    if (type == QAccessible::EditableTextInterface) {
        return static_cast<QAccessibleEditableTextInterface*>(this);
    }
    return QAccessibleWidget::interface_cast(type);
}

QString LineInputAccessible::text(QAccessible::Text type) const
{
    if (type == QAccessible::Value) {
        return input()->text();
    }
    return QAccessibleWidget::text(type);
}

void LineInputAccessible::setText(QAccessible::Text type, const QString& text)
{
    if (type == QAccessible::Value) {
        input()->replaceText(0, input()->text().size(), text);
    } else {
        QAccessibleWidget::setText(type, text);
    }
}

QAccessible::State LineInputAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.editable = true;
    state.selectableText = true;
    state.multiLine = false;
    return state;
}

void LineInputAccessible::selection(int selectionIndex, int* startOffset, int* endOffset) const
{
    *startOffset = *endOffset = 0;
    const LineText& text = input()->lineText();
    if (selectionIndex == 0 && text.hasSelection()) {
        *startOffset = static_cast<int>(text.selectionStart());
        *endOffset = static_cast<int>(text.selectionEnd());
    }
}

int LineInputAccessible::selectionCount() const
{
    return input()->lineText().hasSelection() ? 1 : 0;
}

void LineInputAccessible::addSelection(int startOffset, int endOffset)
{
    setSelection(0, startOffset, endOffset);
}

void LineInputAccessible::removeSelection(int selectionIndex)
{
    if (selectionIndex == 0) {
        input()->setCursorPosition(input()->cursorPosition());
    }
}

void LineInputAccessible::setSelection(int selectionIndex, int startOffset, int endOffset)
{
    if (selectionIndex == 0) {
        input()->setSelection(startOffset, endOffset - startOffset);
    }
}

int LineInputAccessible::cursorPosition() const
{
    return static_cast<int>(input()->cursorPosition());
}

void LineInputAccessible::setCursorPosition(int position)
{
    input()->setCursorPosition(position);
}

QString LineInputAccessible::text(int startOffset, int endOffset) const
{
    return input()->text().mid(startOffset, endOffset - startOffset);
}

int LineInputAccessible::characterCount() const
{
    return static_cast<int>(input()->text().size());
}

QRect LineInputAccessible::characterRect(int offset) const
{
    const QRect rectangle = input()->characterRect(offset);
    return rectangle.isEmpty() ? QRect() : rectangle.translated(input()->mapToGlobal(QPoint(0, 0)));
}

int LineInputAccessible::offsetAtPoint(const QPoint& point) const
{
    const QPoint local = input()->mapFromGlobal(point);
    return input()->rect().contains(local) ? static_cast<int>(input()->positionAt(local)) : -1;
}

// The view follows the caret, so moving it to both ends brings the range
// into view.
void LineInputAccessible::scrollToSubstring(int startIndex, int endIndex)
{
    input()->setCursorPosition(endIndex);
    input()->setCursorPosition(startIndex);
}

QString LineInputAccessible::attributes(int offset, int* startOffset, int* endOffset) const
{
    Q_UNUSED(offset);
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
}

void LineInputAccessible::deleteText(int startOffset, int endOffset)
{
    input()->replaceText(startOffset, endOffset - startOffset, QString());
}

void LineInputAccessible::insertText(int offset, const QString& text)
{
    input()->replaceText(offset, 0, text);
}

void LineInputAccessible::replaceText(int startOffset, int endOffset, const QString& text)
{
    input()->replaceText(startOffset, endOffset - startOffset, text);
}

}  // namespace quorrel
