// MainWindow on the offscreen platform: layout, keyboard, focus, and the
// three click handlers as a user drives them.
#include "gb18030/gb18030_text.h"
#include "ui/input_text.h"
#include "ui/main_window.h"
#include "ui/result_table.h"

#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include "ui/line_input.h"
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

using quorrel::MainWindow;
using quorrel::ParseLists;
using quorrel::ResultTable;

namespace {

// Types `text` into `widget` one character at a time, as a keyboard or an
// input method delivers it.
void typeText(QWidget* widget, const QString& text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype length = text.at(i).isHighSurrogate() ? 2 : 1;
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, text.mid(i, length), Qt::NoModifier);
        i += length - 1;
    }
}

// The rows of `table` as texts, cells joined with "|".
QStringList shownRows(const ResultTable& table)
{
    const QAbstractItemModel& model = *table.model();
    QStringList rows;
    for (int row = 0; row < model.rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < model.columnCount(); ++column) {
            cells << model.index(row, column).data().toString();
        }
        rows << cells.join(u'|');
    }
    return rows;
}

}  // namespace

// A shown and active MainWindow, with its controls found by name.
class MainWindowTest : public QObject {
    Q_OBJECT

private:
    ParseLists lists;
    std::unique_ptr<MainWindow> window;
    ResultTable* table = nullptr;
    quorrel::LineInput* firstInput = nullptr;
    quorrel::LineInput* secondInput = nullptr;
    quorrel::LineInput* filterInput = nullptr;
    QPushButton* firstClearButton = nullptr;
    QPushButton* secondClearButton = nullptr;
    QPushButton* parseButton = nullptr;

    template <typename Control>
    Control* control(const char* name) const
    {
        return window->findChild<Control*>(QString::fromUtf8(name));
    }

    void typeAndParse(const QString& first, const QString& second)
    {
        typeText(firstInput, first);
        typeText(secondInput, second);
        QTest::mouseClick(parseButton, Qt::LeftButton);
    }

private slots:
    void init()
    {
        lists = {};
        window = quorrel::openMainWindow(lists);
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        table = control<ResultTable>("超级列表框1");
        firstInput = control<quorrel::LineInput>("编辑框1");
        secondInput = control<quorrel::LineInput>("编辑框2");
        filterInput = control<quorrel::LineInput>("编辑框3");
        firstClearButton = control<QPushButton>("按钮1");
        secondClearButton = control<QPushButton>("按钮2");
        parseButton = control<QPushButton>("按钮3");
    }

    void cleanup()
    {
        window.reset();
        // Between two parses the lists are empty.
        QVERIFY(lists.pairList.empty());
    }

    void startsWithItsTextsAndTheFocusInTheTable()
    {
        QCOMPARE(window->windowTitle(), QStringLiteral("Quorrel"));
        QCOMPARE(firstInput->text(), QString());
        QCOMPARE(secondInput->text(), QString());
        QCOMPARE(filterInput->text(), QStringLiteral("&"));
        QCOMPARE(filterInput->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
        QCOMPARE(filterInput->font().pixelSize(), 16);
        QCOMPARE(control<QLabel>("标签1")->text(), QStringLiteral("过滤字符:"));
        QCOMPARE(firstClearButton->text(), QStringLiteral("清空"));
        QCOMPARE(secondClearButton->text(), QStringLiteral("清空"));
        QCOMPARE(parseButton->text(), QStringLiteral("一键解析"));
        QCOMPARE(table->model()->rowCount(), 0);
        QCOMPARE(QApplication::focusWidget(), table);
    }

    void controlsSitAtTheirRectangles_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("rectangle");
        QTest::newRow("table") << QStringLiteral("超级列表框1") << QRect(0, 0, 616, 264);
        QTest::newRow("first-input") << QStringLiteral("编辑框1") << QRect(0, 272, 544, 32);
        QTest::newRow("first-clear") << QStringLiteral("按钮1") << QRect(552, 272, 56, 32);
        QTest::newRow("second-input") << QStringLiteral("编辑框2") << QRect(0, 304, 544, 32);
        QTest::newRow("second-clear") << QStringLiteral("按钮2") << QRect(552, 304, 56, 32);
        QTest::newRow("filter-label") << QStringLiteral("标签1") << QRect(192, 344, 64, 24);
        QTest::newRow("filter-input") << QStringLiteral("编辑框3") << QRect(264, 344, 56, 24);
        QTest::newRow("parse-button") << QStringLiteral("按钮3") << QRect(352, 336, 96, 32);
    }

    void controlsSitAtTheirRectangles()
    {
        QFETCH(QString, name);
        QFETCH(QRect, rectangle);
        const auto* widget = window->findChild<QWidget*>(name);
        QVERIFY(widget != nullptr);
        QCOMPARE(widget->geometry(), rectangle);
    }

    void windowIsCentredWithItsFrame()
    {
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        const QRect expected(screen.x() + (screen.width() - 618) / 2,
                             screen.y() + (screen.height() - 398) / 2, 618, 398);
        QTRY_COMPARE(window->frameGeometry(), expected);
    }

    void windowStaysInItsNormalState_data()
    {
        QTest::addColumn<Qt::WindowState>("requested");
        QTest::newRow("maximised") << Qt::WindowMaximized;
        QTest::newRow("full-screen") << Qt::WindowFullScreen;
    }

    void windowStaysInItsNormalState()
    {
        QFETCH(Qt::WindowState, requested);
        QCOMPARE(window->minimumSize(), window->maximumSize());
        QVERIFY(!(window->windowFlags() & Qt::WindowMaximizeButtonHint));
        const QRect before = window->frameGeometry();
        window->setWindowState(requested);
        QCoreApplication::processEvents();
        QCOMPARE(window->windowState(), Qt::WindowNoState);
        QCOMPARE(window->frameGeometry(), before);
    }

    void tabWalksTheControlsInOrder_data()
    {
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<QStringList>("visited");
        const QStringList forward = {"编辑框1", "按钮1", "编辑框2", "按钮2", "编辑框3", "按钮3", "超级列表框1"};
        QStringList backward = {"按钮3", "编辑框3", "按钮2", "编辑框2", "按钮1", "编辑框1", "超级列表框1"};
        QTest::newRow("tab") << Qt::KeyboardModifiers(Qt::NoModifier) << forward;
        QTest::newRow("shift-tab") << Qt::KeyboardModifiers(Qt::ShiftModifier) << backward;
    }

    void tabWalksTheControlsInOrder()
    {
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(QStringList, visited);
        // Rows in the table must not keep Tab inside it.
        typeAndParse("a=1&b=2", "a=1");
        table->setFocus();
        QStringList walked;
        for (qsizetype i = 0; i < visited.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, modifiers);
            walked << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(walked, visited);
        QCOMPARE(firstInput->text(), QStringLiteral("a=1&b=2"));
    }

    void keysThatDoNothing_data()
    {
        QTest::addColumn<QString>("focused");
        QTest::addColumn<int>("key");
        QTest::newRow("enter-on-parse-button") << QStringLiteral("按钮3") << int(Qt::Key_Return);
        QTest::newRow("keypad-enter-on-parse-button") << QStringLiteral("按钮3") << int(Qt::Key_Enter);
        QTest::newRow("enter-on-clear-button") << QStringLiteral("按钮1") << int(Qt::Key_Return);
        QTest::newRow("enter-in-input") << QStringLiteral("编辑框2") << int(Qt::Key_Return);
        QTest::newRow("escape-in-table") << QStringLiteral("超级列表框1") << int(Qt::Key_Escape);
        QTest::newRow("escape-in-input") << QStringLiteral("编辑框1") << int(Qt::Key_Escape);
        QTest::newRow("f1-on-button") << QStringLiteral("按钮3") << int(Qt::Key_F1);
    }

    void keysThatDoNothing()
    {
        QFETCH(QString, focused);
        QFETCH(int, key);
        typeText(firstInput, "a=1");
        typeText(secondInput, "a=2");
        auto* widget = window->findChild<QWidget*>(focused);
        widget->setFocus();
        QTest::keyClick(widget, Qt::Key(key));
        QCoreApplication::processEvents();
        QVERIFY(window->isVisible());
        QCOMPARE(QApplication::focusWidget(), widget);
        QCOMPARE(table->model()->rowCount(), 0);
        QCOMPARE(firstInput->text(), QStringLiteral("a=1"));
        QCOMPARE(secondInput->text(), QStringLiteral("a=2"));
    }

    void spaceClicksAFocusedButtonOnce()
    {
        typeText(firstInput, "a=1");
        QSignalSpy parses(parseButton, &QPushButton::clicked);
        parseButton->setFocus();
        QTest::keyClick(parseButton, Qt::Key_Space);
        QCOMPARE(parses.count(), 1);
        QCOMPARE(shownRows(*table), QStringList{"1|a|1||×"});

        firstClearButton->setFocus();
        QTest::keyClick(firstClearButton, Qt::Key_Space);
        QCOMPARE(firstInput->text(), QString());
    }

    void clearButtonsEmptyOnlyTheirInput_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("emptied");
        QTest::addColumn<QString>("kept");
        QTest::newRow("first") << QStringLiteral("按钮1") << QStringLiteral("编辑框1") << QStringLiteral("编辑框2");
        QTest::newRow("second") << QStringLiteral("按钮2") << QStringLiteral("编辑框2") << QStringLiteral("编辑框1");
    }

    void clearButtonsEmptyOnlyTheirInput()
    {
        QFETCH(QString, button);
        QFETCH(QString, emptied);
        QFETCH(QString, kept);
        typeAndParse("a=1&b=2", "a=1&b=3");
        typeText(filterInput, ";");
        const QStringList rows = shownRows(*table);
        QTest::mouseClick(window->findChild<QPushButton*>(button), Qt::LeftButton);
        QCOMPARE(window->findChild<quorrel::LineInput*>(emptied)->text(), QString());
        QVERIFY(!window->findChild<quorrel::LineInput*>(kept)->text().isEmpty());
        QCOMPARE(filterInput->text(), QStringLiteral(";&"));
        QCOMPARE(shownRows(*table), rows);
    }

    void parseShowsOneRowPerPair_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QStringList>("rows");
        QTest::newRow("one-value-differs")
            << "a=1&b=2" << "a=1&b=3" << "&" << QStringList{"1|a|1|1|√", "2|b|2|3|×"};
        QTest::newRow("second-side-longer")
            << "a=1&b=5" << "a=1&b=2&c=3" << "&"
            << QStringList{"1|a|1|1|√", "2|b|2|5|×", "3|c|3||×"};
        QTest::newRow("chinese") << "名=值&城=京" << "城=京&名=值" << "&"
                                 << QStringList{"1|名|值|值|√", "2|城|京|京|√"};
        QTest::newRow("characters-outside-gbk-stay-distinct")
            << "a=😀" << "a=😁" << "&" << QStringList{"1|a|😀|😁|×"};
        QTest::newRow("spaces-are-kept") << " a=1 " << " a=1" << "&" << QStringList{"1| a|1 |1|×"};
        QTest::newRow("empty-filter-takes-each-input-whole")
            << "a=1&b" << "a=1&b" << "" << QStringList{"1|a|1&b|1&b|√"};
        QTest::newRow("other-filter") << "a=1;b=2" << "a=1;b=3" << ";"
                                      << QStringList{"1|a|1|1|√", "2|b|2|3|×"};
        QTest::newRow("both-empty") << "" << "" << "&" << QStringList{};
    }

    void parseShowsOneRowPerPair()
    {
        QFETCH(QString, first);
        QFETCH(QString, second);
        QFETCH(QString, filter);
        QFETCH(QStringList, rows);
        QTest::keySequence(filterInput, QKeySequence::SelectAll);
        QTest::keyClick(filterInput, Qt::Key_Backspace);
        typeText(filterInput, filter);
        typeAndParse(first, second);
        QCOMPARE(shownRows(*table), rows);
        QCOMPARE(firstInput->text(), first);
        QCOMPARE(secondInput->text(), second);
        QCOMPARE(filterInput->text(), filter);
    }

    void everyParseStartsFromAnEmptyTable()
    {
        typeAndParse("a=1&b=2", "a=1&b=3");
        QTest::mouseClick(parseButton, Qt::LeftButton);
        QCOMPARE(shownRows(*table), (QStringList{"1|a|1|1|√", "2|b|2|3|×"}));

        QTest::mouseClick(firstClearButton, Qt::LeftButton);
        QTest::mouseClick(secondClearButton, Qt::LeftButton);
        QCOMPARE(table->model()->rowCount(), 2);
        QTest::mouseClick(parseButton, Qt::LeftButton);
        QCOMPARE(table->model()->rowCount(), 0);
    }

    void pastedLongTextIsReadWhole()
    {
        QString text;
        for (int i = 0; text.size() < 100'000; ++i) {
            text += QStringLiteral("p%1=值%1&").arg(i);
        }
        text.truncate(100'000);
        QApplication::clipboard()->setText(text);
        firstInput->setFocus();
        QTest::keySequence(firstInput, QKeySequence::Paste);
        QCOMPARE(firstInput->text().size(), 100'000);
        QCOMPARE(quorrel::readInputText(*firstInput), quorrel::encodeGb18030(text));
    }

    void inputsCarryGbkBytes_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("shown");
        QTest::newRow("square-root") << QByteArray("\xA1\xCC") << QStringLiteral("√");
        QTest::newRow("times") << QByteArray("\xA1\xC1") << QStringLiteral("×");
        QTest::newRow("chinese") << QByteArray("\xC3\xFB=\xD6\xB5") << QStringLiteral("名=值");
        QTest::newRow("emoji") << QByteArray("\x94\x39\xFC\x36") << QStringLiteral("😀");
        QTest::newRow("empty") << QByteArray() << QString();
    }

    void inputsCarryGbkBytes()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, shown);
        quorrel::setInputText(*secondInput, bytes.toStdString());
        QCOMPARE(secondInput->text(), shown);
        QCOMPARE(QByteArray::fromStdString(quorrel::readInputText(*secondInput)), bytes);
    }

    void focusComesBackAfterSwitchingAway()
    {
        secondInput->setFocus();
        QWidget other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QCOMPARE(QApplication::focusWidget(), secondInput);
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
