// LineInput against Qt's own line edit: the same random key presses, typed
// texts, clipboard actions and mouse clicks go to both, and after every
// step the text, the caret and the selection must be the same.
//
// Where the two differ on purpose, the difference is named here:
// - aim-at-characters: the two views scroll differently (by whole
//   characters here, by pixels there), so a click aims at the same
//   character in both, each at the x where it shows that character, not at
//   the same pixel;
// - no-focus-changes: the selection is kept while LineInput lacks the focus,
//   where Qt's line edit drops it, so neither input takes the focus and a
//   click on one never takes it from the other (the widget tests cover
//   focus loss).
#include "ui/line_input.h"

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTest>

#include <cstdlib>
#include <functional>
#include <optional>
#include <random>

using quorrel::LineInput;

namespace {

// Pieces that random texts are made of: ASCII with word separators and
// spaces, Chinese, emoji (one made of several code points joined), and
// letters with combining marks.
const QStringList pieces = {
    QStringLiteral("a"), QStringLiteral("Z"), QStringLiteral("7"), QStringLiteral("="), QStringLiteral("&"),
    QStringLiteral(" "), QStringLiteral("."), QStringLiteral("\\"), QStringLiteral("中"), QStringLiteral("参数"),
    QStringLiteral("😀"), QStringLiteral("👨‍👩‍👧"), QStringLiteral("e\u0301"), QStringLiteral("a\u0308\u0323"),
    QStringLiteral("word"), QStringLiteral("  "),
};

struct Key {
    const char* name;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
};

const Key keys[] = {
    {"left", Qt::Key_Left, Qt::NoModifier},
    {"right", Qt::Key_Right, Qt::NoModifier},
    {"shift-left", Qt::Key_Left, Qt::ShiftModifier},
    {"shift-right", Qt::Key_Right, Qt::ShiftModifier},
    {"ctrl-left", Qt::Key_Left, Qt::ControlModifier},
    {"ctrl-right", Qt::Key_Right, Qt::ControlModifier},
    {"ctrl-shift-left", Qt::Key_Left, Qt::ControlModifier | Qt::ShiftModifier},
    {"ctrl-shift-right", Qt::Key_Right, Qt::ControlModifier | Qt::ShiftModifier},
    {"home", Qt::Key_Home, Qt::NoModifier},
    {"end", Qt::Key_End, Qt::NoModifier},
    {"shift-home", Qt::Key_Home, Qt::ShiftModifier},
    {"shift-end", Qt::Key_End, Qt::ShiftModifier},
    {"backspace", Qt::Key_Backspace, Qt::NoModifier},
    {"delete", Qt::Key_Delete, Qt::NoModifier},
    {"ctrl-backspace", Qt::Key_Backspace, Qt::ControlModifier},
    {"ctrl-delete", Qt::Key_Delete, Qt::ControlModifier},
    {"ctrl-a", Qt::Key_A, Qt::ControlModifier},
    {"ctrl-z", Qt::Key_Z, Qt::ControlModifier},
    {"ctrl-shift-z", Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier},
    {"ctrl-y", Qt::Key_Y, Qt::ControlModifier},
    {"ctrl-c", Qt::Key_C, Qt::ControlModifier},
    {"ctrl-x", Qt::Key_X, Qt::ControlModifier},
    {"ctrl-v", Qt::Key_V, Qt::ControlModifier},
    {"ctrl-k", Qt::Key_K, Qt::ControlModifier},
    {"tab", Qt::Key_Tab, Qt::ControlModifier},
};

// What an input shows of its state: text, caret and selection.
struct State {
    QString text;
    qsizetype cursor;
    qsizetype selectionStart;
    QString selected;

    bool operator==(const State&) const = default;
};

State stateOf(const LineInput& input)
{
    const quorrel::LineText& text = input.lineText();
    return {text.text(), text.cursor(), text.hasSelection() ? text.selectionStart() : -1, text.selectedText()};
}

State stateOf(const QLineEdit& edit)
{
    return {edit.text(), edit.cursorPosition(), edit.selectionStart(), edit.selectedText()};
}

QString describe(const State& state)
{
    return QStringLiteral("text \"%1\" (%2 characters), caret %3, selection from %4: \"%5\"")
        .arg(state.text.left(80))
        .arg(state.text.size())
        .arg(state.cursor)
        .arg(state.selectionStart)
        .arg(state.selected.left(80));
}

// Types `text` one key at a time, as a keyboard delivers it.
void typeText(QWidget* widget, const QString& text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype length = text.at(i).isHighSurrogate() ? 2 : 1;
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, text.mid(i, length), Qt::NoModifier);
        i += length - 1;
    }
}

// The x at which `positionAt` gives `position`, scanning the widget's width.
std::optional<int> xShowing(int width, qsizetype position, const std::function<qsizetype(int)>& positionAt)
{
    for (int x = 0; x < width; ++x) {
        if (positionAt(x) == position) {
            return x;
        }
    }
    return std::nullopt;
}

}  // namespace

class LineInputDifferentialTest : public QObject {
    Q_OBJECT

private:
    QWidget window;
    LineInput* ours = nullptr;
    QLineEdit* theirs = nullptr;
    QElapsedTimer sinceDoubleClick;
    int ourDoubleClickX = 0;
    int theirDoubleClickX = 0;

    // Whether a click at these x positions would be a triple click in one
    // input and not in the other.
    bool tripleInOnlyOne(int ourX, int theirX) const
    {
        if (!sinceDoubleClick.isValid() || sinceDoubleClick.elapsed() > QApplication::doubleClickInterval() + 100) {
            return false;
        }
        const int distance = QApplication::startDragDistance();
        return (std::abs(ourX - ourDoubleClickX) < distance) != (std::abs(theirX - theirDoubleClickX) < distance);
    }

    QString randomText(std::mt19937& random, int pieceCount)
    {
        QString text;
        std::uniform_int_distribution<qsizetype> piece(0, pieces.size() - 1);
        for (int i = 0; i < pieceCount; ++i) {
            text += pieces.at(piece(random));
        }
        return text;
    }

    // Clicks both inputs on the character at a random caret position that
    // both show. Returns the step's name, or nothing when no position is
    // visible in both.
    std::optional<QString> clickSomewhere(std::mt19937& random)
    {
        theirs->repaint();
        const int middle = ours->height() / 2;
        const auto ourPosition = [&](int x) { return ours->positionAt(QPoint(x, middle)); };
        const auto theirPosition = [&](int x) { return qsizetype{theirs->cursorPositionAt(QPoint(x, middle))}; };
        std::uniform_int_distribution<int> anyX(0, ours->width() - 1);
        const qsizetype position = ourPosition(anyX(random));
        const std::optional<int> ourX = xShowing(ours->width(), position, ourPosition);
        const std::optional<int> theirX = xShowing(theirs->width(), position, theirPosition);
        if (!ourX || !theirX || tripleInOnlyOne(*ourX, *theirX)) {
            return std::nullopt;
        }
        const int kind = std::uniform_int_distribution<int>(0, 2)(random);
        if (kind == 0) {
            QTest::mouseClick(ours, Qt::LeftButton, Qt::NoModifier, QPoint(*ourX, middle));
            QTest::mouseClick(theirs, Qt::LeftButton, Qt::NoModifier, QPoint(*theirX, middle));
            return QStringLiteral("click at %1").arg(position);
        }
        if (kind == 1) {
            QTest::mouseClick(ours, Qt::LeftButton, Qt::ShiftModifier, QPoint(*ourX, middle));
            QTest::mouseClick(theirs, Qt::LeftButton, Qt::ShiftModifier, QPoint(*theirX, middle));
            return QStringLiteral("shift-click at %1").arg(position);
        }
        QTest::mouseDClick(ours, Qt::LeftButton, Qt::NoModifier, QPoint(*ourX, middle));
        QTest::mouseDClick(theirs, Qt::LeftButton, Qt::NoModifier, QPoint(*theirX, middle));
        sinceDoubleClick.start();
        ourDoubleClickX = *ourX;
        theirDoubleClickX = *theirX;
        return QStringLiteral("double-click at %1").arg(position);
    }

private slots:
    void initTestCase()
    {
        window.resize(600, 100);
        ours = new LineInput(&window);
        ours->setGeometry(0, 0, 544, 32);
        theirs = new QLineEdit(&window);
        theirs->setGeometry(0, 40, 544, 32);
        theirs->setMaxLength(std::numeric_limits<int>::max());
        theirs->setDragEnabled(true);
        ours->setFocusPolicy(Qt::NoFocus);
        theirs->setFocusPolicy(Qt::NoFocus);
        window.show();
        // Qt's line edit drops an unfocused selection when the window's
        // activation changes, so the window is active before the first step.
        QVERIFY(QTest::qWaitForWindowActive(&window));
    }

    void sameStateAfterEveryStep_data()
    {
        QTest::addColumn<unsigned>("seed");
        QTest::addColumn<int>("initialPieces");
        for (unsigned seed = 1; seed <= 60; ++seed) {
            // Short texts that fit and texts of a few KB that scroll.
            const int initialPieces = seed % 3 == 0 ? 1500 : int(seed % 7);
            QTest::newRow(qPrintable(QStringLiteral("seed-%1").arg(seed))) << seed << initialPieces;
        }
    }

    void sameStateAfterEveryStep()
    {
        QFETCH(unsigned, seed);
        QFETCH(int, initialPieces);
        std::mt19937 random(seed);
        const QString initial = randomText(random, initialPieces);
        ours->setText(initial);
        theirs->setText(initial);
        QGuiApplication::clipboard()->setText(randomText(random, 3));
        QStringList steps{QStringLiteral("start with %1 characters").arg(initial.size())};
        std::uniform_int_distribution<int> kind(0, 9);
        std::uniform_int_distribution<std::size_t> anyKey(0, std::size(keys) - 1);
        for (int step = 0; step < 60; ++step) {
            const int chosen = kind(random);
            if (chosen < 2) {
                const QString typed = randomText(random, 2);
                typeText(ours, typed);
                typeText(theirs, typed);
                steps << QStringLiteral("type \"%1\"").arg(typed);
            } else if (chosen < 4) {
                const std::optional<QString> clicked = clickSomewhere(random);
                if (!clicked) {
                    continue;
                }
                steps << *clicked;
            } else {
                const Key& key = keys[anyKey(random)];
                QTest::keyClick(ours, key.key, key.modifiers);
                QTest::keyClick(theirs, key.key, key.modifiers);
                steps << QString::fromLatin1(key.name);
            }
            const State ourState = stateOf(*ours);
            const State theirState = stateOf(*theirs);
            if (ourState != theirState) {
                QFAIL(qPrintable(QStringLiteral("after %1\nLineInput: %2\nQLineEdit: %3")
                                     .arg(steps.join(QStringLiteral(", ")), describe(ourState),
                                          describe(theirState))));
            }
        }
    }
};

QTEST_MAIN(LineInputDifferentialTest)
#include "line_input_differential_test.moc"
