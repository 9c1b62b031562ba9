// LineInput on the offscreen platform, for what the comparison with Qt's
// line edit cannot show: input methods, the accessible text, where the
// caret stays in view, the selection while the focus is elsewhere, the
// context menu and drops.
#include "ui/line_input.h"

#include <QAccessible>
#include <QAccessibleEditableTextInterface>
#include <QAccessibleTextInterface>
#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QTest>

using quorrel::LineInput;

namespace {

// The pixels of `input` in its highlight colour: the shown selection.
int highlightedPixels(LineInput& input)
{
    const QImage image = input.grab().toImage();
    const QColor highlight = input.palette().color(QPalette::Active, QPalette::Highlight);
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            count += image.pixelColor(x, y) == highlight ? 1 : 0;
        }
    }
    return count;
}

QString formBody(int items)
{
    QStringList parts;
    for (int i = 0; i < items; ++i) {
        parts << QStringLiteral("field%1=%2").arg(i).arg(i * 7919, 8, 16, QLatin1Char('0'));
    }
    return parts.join(u'&');
}

}  // namespace

// A shown, active window with a LineInput and a button to take the focus.
class LineInputTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QWidget> window;
    LineInput* input = nullptr;
    QPushButton* other = nullptr;

private slots:
    void init()
    {
        window = std::make_unique<QWidget>();
        window->resize(600, 100);
        input = new LineInput(window.get());
        input->setGeometry(0, 0, 544, 32);
        other = new QPushButton(QStringLiteral("other"), window.get());
        other->setGeometry(0, 40, 100, 32);
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }

    void cleanup()
    {
        window.reset();
    }

    void inputMethodEditsAtTheCaret_data()
    {
        QTest::addColumn<QString>("preedit");
        QTest::addColumn<QString>("commit");
        QTest::addColumn<int>("replacementStart");
        QTest::addColumn<int>("replacementLength");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("caret");
        QTest::newRow("preedit-is-not-text") << "zhong" << "" << 0 << 0 << "a=b" << 2;
        QTest::newRow("commit-inserts") << "" << "中" << 0 << 0 << "a=中b" << 3;
        QTest::newRow("commit-replaces-before-caret") << "" << "参数" << -1 << 1 << "a参数b" << 3;
        QTest::newRow("commit-and-next-preedit") << "wen" << "中" << 0 << 0 << "a=中b" << 3;
    }

    void inputMethodEditsAtTheCaret()
    {
        QFETCH(QString, preedit);
        QFETCH(QString, commit);
        QFETCH(int, replacementStart);
        QFETCH(int, replacementLength);
        QFETCH(QString, text);
        QFETCH(int, caret);
        input->setText(QStringLiteral("a=b"));
        input->setCursorPosition(2);
        QInputMethodEvent event(preedit, {});
        event.setCommitString(commit, replacementStart, replacementLength);
        QCoreApplication::sendEvent(input, &event);
        QCOMPARE(input->text(), text);
        QCOMPARE(input->cursorPosition(), caret);
        // The caret rectangle the input method places its window by lies
        // after the preedit text.
        const QRect caretRect = input->inputMethodQuery(Qt::ImCursorRectangle).toRect();
        QVERIFY(input->rect().contains(caretRect.center()));
        QVERIFY(caretRect.x() >= input->characterRect(caret - 1).right() - 5);
    }

    // Input methods see the characters around the caret, not megabytes.
    void inputMethodsSeeTheTextAroundTheCaret()
    {
        const QString body = formBody(200'000);
        input->setText(body);
        input->setCursorPosition(body.size() / 2);
        const QString surrounding = input->inputMethodQuery(Qt::ImSurroundingText).toString();
        const int caret = input->inputMethodQuery(Qt::ImCursorPosition).toInt();
        QVERIFY(surrounding.size() < 4096);
        QCOMPARE(surrounding.left(caret), body.mid(body.size() / 2 - caret, caret));
        QCOMPARE(surrounding.mid(caret), body.mid(body.size() / 2, surrounding.size() - caret));
    }

    void accessibleTextReadsAndEdits()
    {
        input->setText(QStringLiteral("a=1&b=2"));
        input->setSelection(2, 1);
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(input);
        QVERIFY(accessible != nullptr);
        QCOMPARE(accessible->role(), QAccessible::EditableText);
        QVERIFY(accessible->state().editable);
        QCOMPARE(accessible->text(QAccessible::Value), QStringLiteral("a=1&b=2"));
        QAccessibleTextInterface* text = accessible->textInterface();
        QVERIFY(text != nullptr);
        QCOMPARE(text->characterCount(), 7);
        QCOMPARE(text->text(4, 7), QStringLiteral("b=2"));
        QCOMPARE(text->cursorPosition(), 3);
        int start = 0;
        int end = 0;
        text->selection(0, &start, &end);
        QCOMPARE(std::pair(start, end), std::pair(2, 3));
        QCOMPARE(text->offsetAtPoint(input->mapToGlobal(input->characterRect(4).center())), 4);

        QAccessibleEditableTextInterface* editable = accessible->editableTextInterface();
        QVERIFY(editable != nullptr);
        editable->replaceText(2, 3, QStringLiteral("9"));
        editable->insertText(7, QStringLiteral("&c=3"));
        editable->deleteText(0, 4);
        QCOMPARE(input->text(), QStringLiteral("b=2&c=3"));
        accessible->setText(QAccessible::Value, QStringLiteral("x=1"));
        QCOMPARE(input->text(), QStringLiteral("x=1"));
        // Edits by assistive tools are undone like the user's own.
        QTest::keySequence(input, QKeySequence::Undo);
        QCOMPARE(input->text(), QStringLiteral("b=2&c=3"));
    }

    void caretStaysInView_data()
    {
        QTest::addColumn<int>("items");
        QTest::addColumn<bool>("centred");
        QTest::newRow("short") << 2 << false;
        QTest::newRow("short-centred") << 2 << true;
        QTest::newRow("long") << 300 << false;
        QTest::newRow("long-centred") << 300 << true;
        QTest::newRow("10-mb") << 400'000 << false;
    }

    void caretStaysInView()
    {
        QFETCH(int, items);
        QFETCH(bool, centred);
        input->setAlignment(centred ? Qt::AlignHCenter : Qt::AlignLeft);
        input->setText(formBody(items));
        input->setFocus();
        const auto caretInView = [&] {
            return input->rect().contains(input->cursorRect().center());
        };
        QVERIFY(caretInView());
        QTest::keyClick(input, Qt::Key_Home);
        QVERIFY(caretInView());
        QVERIFY(input->characterRect(0).left() >= 0);
        for (int i = 0; i < 120; ++i) {
            QTest::keyClick(input, Qt::Key_Right);
        }
        QVERIFY(caretInView());
        QTest::keyClick(input, Qt::Key_End);
        QVERIFY(caretInView());
        QTest::keyClicks(input, QStringLiteral("&x=1"));
        QVERIFY(input->text().endsWith(QStringLiteral("&x=1")));
        QVERIFY(caretInView());
        for (int i = 0; i < 40; ++i) {
            QTest::keyClick(input, Qt::Key_Left, Qt::ControlModifier);
        }
        QVERIFY(caretInView());
    }

    void centredTextSitsInTheMiddle()
    {
        input->setAlignment(Qt::AlignHCenter);
        input->setText(QStringLiteral("&"));
        const QRect character = input->characterRect(0);
        QVERIFY(std::abs(character.center().x() - input->width() / 2) <= 3);
    }

    // The selection stays while the focus is elsewhere or the window is
    // inactive, and shows only while the input has the focus.
    void selectionShowsOnlyWithTheFocus()
    {
        input->setText(QStringLiteral("a=1&b=2"));
        input->setFocus();
        QTest::keySequence(input, QKeySequence::SelectAll);
        QVERIFY(highlightedPixels(*input) > 0);

        other->setFocus();
        QCOMPARE(highlightedPixels(*input), 0);
        QCOMPARE(input->lineText().selectedText(), QStringLiteral("a=1&b=2"));

        input->setFocus();
        QVERIFY(highlightedPixels(*input) > 0);

        QWidget elsewhere;
        elsewhere.show();
        elsewhere.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&elsewhere));
        QCOMPARE(highlightedPixels(*input), 0);
        QCOMPARE(input->lineText().selectedText(), QStringLiteral("a=1&b=2"));
    }

    void tabFocusSelectsEverythingAndInsertsNothing()
    {
        input->setText(QStringLiteral("a=1"));
        input->setCursorPosition(1);
        other->setFocus();
        QTest::keyClick(other, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), input);
        QCOMPARE(input->lineText().selectedText(), QStringLiteral("a=1"));
        QTest::keyClick(input, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), other);
        QCOMPARE(input->text(), QStringLiteral("a=1"));
    }

    void contextMenuOffersTheStandardActions()
    {
        input->setText(QStringLiteral("a=1"));
        input->setSelection(0, 1);
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), input->mapToGlobal(QPoint(5, 5)));
        QCoreApplication::sendEvent(input, &event);
        auto* menu = input->findChild<QMenu*>();
        QVERIFY(menu != nullptr);
        QStringList enabled;
        QStringList disabled;
        for (QAction* action : menu->actions()) {
            if (!action->isSeparator()) {
                (action->isEnabled() ? enabled : disabled) << action->text().section(u'\t', 0, 0).remove(u'&');
            }
        }
        QApplication::clipboard()->clear();
        QCOMPARE(enabled, (QStringList{"Cut", "Copy", "Delete", "Select All"}));
        QCOMPARE(disabled, (QStringList{"Undo", "Redo", "Paste"}));
        menu->actions().constLast()->trigger();
        QCOMPARE(input->lineText().selectedText(), QStringLiteral("a=1"));
        menu->close();
    }

    void droppedTextIsInsertedAndSelected()
    {
        input->setText(QStringLiteral("a=1&c=3"));
        QMimeData dropped;
        dropped.setText(QStringLiteral("b=2&"));
        const QPointF at = input->characterRect(4).topLeft() + QPointF(0, 5);
        QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(input, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(at, Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(input, &drop);
        QCOMPARE(input->text(), QStringLiteral("a=1&b=2&c=3"));
        QCOMPARE(input->lineText().selectedText(), QStringLiteral("b=2&"));
        QTest::keySequence(input, QKeySequence::Undo);
        QCOMPARE(input->text(), QStringLiteral("a=1&c=3"));
    }
};

QTEST_MAIN(LineInputTest)
#include "line_input_test.moc"
