#include "ui/line_text.h"

#include <QTextBoundaryFinder>

#include <algorithm>

namespace quorrel {
namespace {

// How far around a position the grapheme rules look. A cluster longer than
// this (no real text has one) is stepped through in pieces.
constexpr qsizetype clusterContext = 64;

// Characters that end a word step by themselves: ASCII punctuation but "_",
// as in Qt's own line edit.
bool isWordSeparator(QChar c)
{
    switch (c.unicode()) {
    case '.': case ',': case '?': case '!': case '@': case '#': case '$': case ':':
    case ';': case '-': case '<': case '>': case '[': case ']': case '(': case ')':
    case '{': case '}': case '=': case '/': case '+': case '%': case '&': case '^':
    case '*': case '\'': case '"': case '`': case '~': case '|': case '\\':
        return true;
    default:
        return false;
    }
}

// Control characters are shown as spaces, so they count as spaces too.
bool isSpace(QChar c)
{
    return c.unicode() < 0x20 || c.isSpace();
}

// The grapheme cluster boundary after (`forward`) or before `position`,
// found among the characters around it.
qsizetype clusterBoundary(const QString& text, qsizetype position, bool forward)
{
    qsizetype start = std::max<qsizetype>(0, position - clusterContext);
    if (start > 0 && text.at(start).isLowSurrogate()) {
        --start;
    }
    const qsizetype end = std::min(text.size(), position + clusterContext);
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text.constData() + start, end - start);
    finder.setPosition(position - start);
    const qsizetype found = forward ? finder.toNextBoundary() : finder.toPreviousBoundary();
    if (found < 0) {
        return forward ? end : start;
    }
    return start + found;
}

}  // namespace

QString LineText::selectedText() const
{
    return hasSelection() ? content.mid(selectionBegin, selectionFinish - selectionBegin) : QString();
}

void LineText::setText(const QString& text)
{
    content = text;
    caret = content.size();
    deselect();
    history.clear();
    undoState = 0;
}

qsizetype LineText::nextCursorPosition(qsizetype position) const
{
    if (position < 0 || position >= size()) {
        return position;
    }
    return clusterBoundary(content, position, true);
}

qsizetype LineText::previousCursorPosition(qsizetype position) const
{
    if (position <= 0 || position > size()) {
        return position;
    }
    return clusterBoundary(content, position, false);
}

qsizetype LineText::nextWordPosition(qsizetype position) const
{
    const qsizetype end = size();
    if (position < 0 || position >= end) {
        return position;
    }
    if (isWordSeparator(content.at(position))) {
        ++position;
        while (position < end && isWordSeparator(content.at(position))) {
            ++position;
        }
    } else {
        while (position < end && !isSpace(content.at(position)) && !isWordSeparator(content.at(position))) {
            ++position;
        }
    }
    while (position < end && isSpace(content.at(position))) {
        ++position;
    }
    return position;
}

qsizetype LineText::previousWordPosition(qsizetype position) const
{
    if (position <= 0 || position > size()) {
        return position;
    }
    while (position > 0 && isSpace(content.at(position - 1))) {
        --position;
    }
    if (position > 0 && isWordSeparator(content.at(position - 1))) {
        --position;
        while (position > 0 && isWordSeparator(content.at(position - 1))) {
            --position;
        }
    } else {
        while (position > 0 && !isSpace(content.at(position - 1)) && !isWordSeparator(content.at(position - 1))) {
            --position;
        }
    }
    return position;
}

void LineText::moveCursor(qsizetype position, bool extend)
{
    position = std::clamp<qsizetype>(position, 0, size());
    if (position != caret) {
        separate();
    }
    if (extend) {
        qsizetype anchor = caret;
        if (hasSelection() && caret == selectionBegin) {
            anchor = selectionFinish;
        } else if (hasSelection() && caret == selectionFinish) {
            anchor = selectionBegin;
        }
        selectionBegin = std::min(anchor, position);
        selectionFinish = std::max(anchor, position);
    } else {
        deselect();
    }
    caret = position;
}

void LineText::stepCharacter(bool forward, bool extend, bool toSelectionEdge)
{
    if (toSelectionEdge && hasSelection() && !extend) {
        moveCursor(forward ? selectionFinish : selectionBegin, false);
        return;
    }
    moveCursor(forward ? nextCursorPosition(caret) : previousCursorPosition(caret), extend);
}

void LineText::stepWord(bool forward, bool extend)
{
    moveCursor(forward ? nextWordPosition(caret) : previousWordPosition(caret), extend);
}

void LineText::setSelection(qsizetype start, qsizetype length)
{
    start = std::clamp<qsizetype>(start, 0, size());
    if (length > 0) {
        selectionBegin = start;
        selectionFinish = std::min(start + length, size());
        caret = selectionFinish;
    } else if (length < 0) {
        selectionBegin = std::max<qsizetype>(start + length, 0);
        selectionFinish = start;
        caret = selectionBegin;
    } else {
        deselect();
        caret = start;
    }
}

void LineText::selectAll()
{
    selectionBegin = selectionFinish = caret = 0;
    moveCursor(size(), true);
}

void LineText::selectWordAt(qsizetype position)
{
    const qsizetype next = std::min(position + 1, size());
    const qsizetype start = previousWordPosition(next);
    moveCursor(start, false);
    qsizetype end = nextWordPosition(start);
    while (end > position && content.at(end - 1).isSpace()) {
        --end;
    }
    moveCursor(end, true);
}

void LineText::insert(const QString& text)
{
    removeSelectedText();
    insertAtCursor(text);
}

void LineText::insertSeparately(const QString& text)
{
    if (text.isEmpty() && !hasSelection()) {
        return;
    }
    separate();
    insert(text);
    separate();
}

void LineText::backspace()
{
    if (hasSelection()) {
        removeSelectedText();
    } else if (caret > 0) {
        const bool pair = caret > 1 && content.at(caret - 1).isLowSurrogate()
                          && content.at(caret - 2).isHighSurrogate();
        caret -= pair ? 2 : 1;
        removeAtCursor(pair ? 2 : 1, EditKind::Remove);
    }
}

void LineText::deleteForward()
{
    if (hasSelection()) {
        removeSelectedText();
    } else {
        removeAtCursor(nextCursorPosition(caret) - caret, EditKind::Delete);
    }
}

void LineText::deleteWord(bool forward)
{
    stepWord(forward, true);
    if (hasSelection()) {
        removeSelectedText();
    }
}

void LineText::removeSelection()
{
    if (!hasSelection()) {
        return;
    }
    removeSelectedText();
    separate();
}

void LineText::replace(qsizetype start, qsizetype length, const QString& text)
{
    start = std::clamp<qsizetype>(start, 0, size());
    setSelection(start, std::clamp<qsizetype>(length, 0, size() - start));
    insert(text);
}

void LineText::undo()
{
    if (!isUndoAvailable()) {
        return;
    }
    deselect();
    while (undoState > 0) {
        Edit& edit = history[--undoState];
        if (edit.kind == EditKind::Separator) {
            continue;
        }
        undoEdit(edit);
        if (undoState > 0) {
            const EditKind next = history[undoState - 1].kind;
            if (next != edit.kind && next < EditKind::RemoveSelection
                && (edit.kind < EditKind::RemoveSelection || next == EditKind::Separator)) {
                break;
            }
        }
    }
}

void LineText::redo()
{
    if (!isRedoAvailable()) {
        return;
    }
    deselect();
    while (undoState < history.size()) {
        Edit& edit = history[undoState++];
        redoEdit(edit);
        if (undoState < history.size()) {
            const EditKind next = history[undoState].kind;
            if (next != edit.kind && edit.kind < EditKind::RemoveSelection && next != EditKind::Separator
                && (next < EditKind::RemoveSelection || edit.kind == EditKind::Separator)) {
                break;
            }
        }
    }
}

// Appends `edit` to the history, dropping whatever was undone, after a
// separator when one is pending. An edit that continues the run before it
// joins that run.
void LineText::addEdit(Edit edit)
{
    history.resize(undoState);
    if (separatorPending && !history.empty() && history.back().kind != EditKind::Separator) {
        history.push_back({EditKind::Separator, caret, 0, {}, selectionBegin, selectionFinish});
    }
    separatorPending = false;
    if (!history.empty() && history.back().kind == edit.kind) {
        Edit& run = history.back();
        if (edit.kind == EditKind::Insert && edit.position == run.position + run.length) {
            run.length += edit.length;
            return;
        }
        if (edit.kind == EditKind::Remove && edit.position + edit.length == run.position) {
            run.position = edit.position;
            run.length += edit.length;
            run.text.prepend(edit.text);
            return;
        }
        if (edit.kind == EditKind::Delete && edit.position == run.position) {
            run.length += edit.length;
            run.text.append(edit.text);
            return;
        }
    }
    history.push_back(std::move(edit));
    undoState = history.size();
}

void LineText::insertAtCursor(const QString& text)
{
    if (text.isEmpty()) {
        return;
    }
    addEdit({EditKind::Insert, caret, text.size(), {}});
    if (content.isEmpty()) {
        content = text;
    } else {
        content.insert(caret, text);
    }
    caret += text.size();
}

void LineText::removeAtCursor(qsizetype length, EditKind kind)
{
    if (length <= 0) {
        return;
    }
    addEdit({kind, caret, length, content.mid(caret, length)});
    content.remove(caret, length);
}

void LineText::removeSelectedText()
{
    if (!hasSelection()) {
        return;
    }
    separate();
    addEdit({EditKind::SetSelection, caret, 0, {}, selectionBegin, selectionFinish});
    // A caret at the start of the selection comes back there on undo.
    const EditKind kind = caret == selectionBegin ? EditKind::DeleteSelection : EditKind::RemoveSelection;
    const qsizetype length = selectionFinish - selectionBegin;
    addEdit({kind, selectionBegin, length, content.mid(selectionBegin, length)});
    if (length == content.size()) {
        content = QString();
    } else {
        content.remove(selectionBegin, length);
    }
    caret = selectionBegin;
    deselect();
}

void LineText::undoEdit(Edit& edit)
{
    switch (edit.kind) {
    case EditKind::Insert:
        edit.text = content.mid(edit.position, edit.length);
        content.remove(edit.position, edit.length);
        caret = edit.position;
        break;
    case EditKind::Remove:
    case EditKind::RemoveSelection:
        content.insert(edit.position, edit.text);
        caret = edit.position + edit.length;
        break;
    case EditKind::Delete:
    case EditKind::DeleteSelection:
        content.insert(edit.position, edit.text);
        caret = edit.position;
        break;
    case EditKind::SetSelection:
        selectionBegin = edit.selectionBegin;
        selectionFinish = edit.selectionFinish;
        caret = edit.position;
        break;
    case EditKind::Separator:
        break;
    }
}

void LineText::redoEdit(Edit& edit)
{
    switch (edit.kind) {
    case EditKind::Insert:
        content.insert(edit.position, edit.text);
        edit.text = QString();
        caret = edit.position + edit.length;
        break;
    case EditKind::Remove:
    case EditKind::Delete:
    case EditKind::RemoveSelection:
    case EditKind::DeleteSelection:
        content.remove(edit.position, edit.length);
        deselect();
        caret = edit.position;
        break;
    case EditKind::SetSelection:
    case EditKind::Separator:
        selectionBegin = edit.selectionBegin;
        selectionFinish = edit.selectionFinish;
        caret = edit.position;
        break;
    }
}

}  // namespace quorrel
