// The accessible text interface of LineInput, so that screen readers and
// other assistive tools read, move through and edit its text.
#pragma once

#include <QAccessibleWidget>

namespace quorrel {

class LineInput;

// An editable text, as Qt's line edit presents itself: its value is the
// whole text, offsets are character positions, and edits go through the
// input's own undo history.
class LineInputAccessible : public QAccessibleWidget,
                            public QAccessibleTextInterface,
                            public QAccessibleEditableTextInterface {
public:
    explicit LineInputAccessible(LineInput* input);

    // Makes Qt's accessibility create this interface for every LineInput.
    static void install();

    void* interface_cast(QAccessible::InterfaceType type) override;
    [[nodiscard]] QString text(QAccessible::Text type) const override;
    void setText(QAccessible::Text type, const QString& text) override;
    [[nodiscard]] QAccessible::State state() const override;

    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    [[nodiscard]] int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    [[nodiscard]] int cursorPosition() const override;
    void setCursorPosition(int position) override;
    [[nodiscard]] QString text(int startOffset, int endOffset) const override;
    [[nodiscard]] int characterCount() const override;
    [[nodiscard]] QRect characterRect(int offset) const override;
    [[nodiscard]] int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    [[nodiscard]] QString attributes(int offset, int* startOffset, int* endOffset) const override;

    void deleteText(int startOffset, int endOffset) override;
    void insertText(int offset, const QString& text) override;
    void replaceText(int startOffset, int endOffset, const QString& text) override;

private:
    [[nodiscard]] LineInput* input() const;
};

}  // namespace quorrel
