// LineText: the text of a one-line input with its caret, selection and undo
// history, without any layout or painting.
#pragma once

#include <QString>

#include <vector>

namespace quorrel {

// Every operation costs time in proportion to the characters it inserts,
// removes or steps over, never to the length of the whole text: character
// and word steps look only at the characters around the caret, and the undo
// history keeps runs of edits, not one entry per character.
//
// The editing rules are those of Qt's own line edit on X11: a character step
// moves over a whole grapheme cluster (an emoji or a letter with its
// combining marks), Backspace removes one code point, a word step skips the
// punctuation or the word at the caret and then the spaces after it, and
// one undo takes back a run of typing, a run of deletions or one paste.
class LineText {
public:
    [[nodiscard]] const QString& text() const { return content; }
    [[nodiscard]] qsizetype size() const { return content.size(); }
    // The caret, 0 to size().
    [[nodiscard]] qsizetype cursor() const { return caret; }
    [[nodiscard]] bool hasSelection() const { return selectionBegin < selectionFinish; }
    // The selected range [selectionStart(), selectionEnd()); the caret is at
    // one of its ends. Both are the caret when nothing is selected.
    [[nodiscard]] qsizetype selectionStart() const { return hasSelection() ? selectionBegin : caret; }
    [[nodiscard]] qsizetype selectionEnd() const { return hasSelection() ? selectionFinish : caret; }
    [[nodiscard]] QString selectedText() const;

    // Replaces the whole text and forgets the undo history; the caret goes
    // to the end and nothing is selected.
    void setText(const QString& text);

    // Moves the caret to `position` (clamped to the text); with `extend` the
    // selection grows or shrinks from its other end, else it is dropped.
    void moveCursor(qsizetype position, bool extend);
    // One grapheme cluster towards the end (`forward`) or the start. With
    // `toSelectionEdge` and without `extend`, a selection is dropped and the
    // caret goes to its edge instead, as on X11 desktops.
    void stepCharacter(bool forward, bool extend, bool toSelectionEdge);
    void stepWord(bool forward, bool extend);
    // Selects `length` characters from `start`, the caret at the far end; a
    // negative length selects backwards. A length of 0 puts the caret at
    // `start`. Not an undo boundary.
    void setSelection(qsizetype start, qsizetype length);
    void selectAll();
    // Selects the word under `position`, without the spaces after it.
    void selectWordAt(qsizetype position);

    // Puts `text` in place of the selection, or at the caret.
    void insert(const QString& text);
    // Inserts `text` as an undo step of its own, as a paste is.
    void insertSeparately(const QString& text);
    // Removes the selection, or the code point before the caret.
    void backspace();
    // Removes the selection, or the grapheme cluster after the caret.
    void deleteForward();
    // Extends the selection (or makes one from the caret) by one word step
    // and removes it.
    void deleteWord(bool forward);
    // Removes the selection as an undo step of its own.
    void removeSelection();
    // Replaces `length` characters at `start` with `text`, the caret ending
    // after the new text; for input methods and drops.
    void replace(qsizetype start, qsizetype length, const QString& text);

    [[nodiscard]] bool isUndoAvailable() const { return undoState > 0; }
    [[nodiscard]] bool isRedoAvailable() const { return undoState < history.size(); }
    void undo();
    void redo();

    // The caret position after one grapheme cluster or one word step from
    // `position`.
    [[nodiscard]] qsizetype nextCursorPosition(qsizetype position) const;
    [[nodiscard]] qsizetype previousCursorPosition(qsizetype position) const;
    [[nodiscard]] qsizetype nextWordPosition(qsizetype position) const;
    [[nodiscard]] qsizetype previousWordPosition(qsizetype position) const;

private:
    // The kinds of edit, in the order that decides where one undo step ends.
    enum class EditKind { Separator, Insert, Remove, Delete, RemoveSelection, DeleteSelection, SetSelection };

    // A run of edits of one kind. `text` holds the characters that the run
    // took out of the text: removed ones, or inserted ones once undone.
    struct Edit {
        EditKind kind;
        qsizetype position;
        qsizetype length = 0;
        QString text;
        qsizetype selectionBegin = 0;
        qsizetype selectionFinish = 0;
    };

    void separate() { separatorPending = true; }
    void deselect() { selectionBegin = selectionFinish = 0; }
    void addEdit(Edit edit);
    void insertAtCursor(const QString& text);
    void removeAtCursor(qsizetype length, EditKind kind);
    void removeSelectedText();
    void undoEdit(Edit& edit);
    void redoEdit(Edit& edit);

    QString content;
    qsizetype caret = 0;
    qsizetype selectionBegin = 0;
    qsizetype selectionFinish = 0;
    std::vector<Edit> history;
    std::size_t undoState = 0;
    bool separatorPending = false;
};

}  // namespace quorrel
