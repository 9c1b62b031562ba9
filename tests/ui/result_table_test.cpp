// ResultTable on the offscreen platform: its columns, the three write
// operations, the GBK cells, and what the user can and cannot do to it.
#include "ui/result_table.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QLineEdit>
#include <QTest>

using quorrel::ResultTable;

namespace {

QString cell(const ResultTable& table, int row, int column)
{
    return table.model()->index(row, column).data().toString();
}

// Appends one row per entry, each entry's cells given from column 0 on.
void appendRows(ResultTable& table, const std::vector<std::vector<std::string>>& rows)
{
    for (const auto& cells : rows) {
        const int row = table.appendRow();
        for (std::size_t column = 0; column < cells.size(); ++column) {
            table.setCell(row, static_cast<int>(column), cells[column]);
        }
    }
}

QStringList allCells(const ResultTable& table)
{
    QStringList cells;
    for (int row = 0; row < table.model()->rowCount(); ++row) {
        for (int column = 0; column < 5; ++column) {
            cells << cell(table, row, column);
        }
    }
    return cells;
}

}  // namespace

class ResultTableTest : public QObject {
    Q_OBJECT

private slots:
    void startsWithItsColumnsAndNoRows()
    {
        ResultTable table;
        const QStringList titles = {"id", "type", "value1", "value2", "state"};
        const int widths[] = {60, 100, 200, 200, 50};
        QCOMPARE(table.model()->columnCount(), 5);
        for (int column = 0; column < 5; ++column) {
            QCOMPARE(table.model()->headerData(column, Qt::Horizontal).toString(), titles[column]);
            QCOMPARE(table.model()->headerData(column, Qt::Horizontal, Qt::TextAlignmentRole).toInt()
                         & Qt::AlignHorizontal_Mask,
                     int(Qt::AlignLeft));
            QCOMPARE(table.columnWidth(column), widths[column]);
        }
        QCOMPARE(table.model()->rowCount(), 0);
        QVERIFY(table.verticalHeader()->isHidden());
    }

    void appendRowCountsFromZeroAfterEveryClear()
    {
        ResultTable table;
        QCOMPARE(table.appendRow(), 0);
        QCOMPARE(table.appendRow(), 1);
        QCOMPARE(table.appendRow(), 2);
        table.clearRows();
        QCOMPARE(table.model()->rowCount(), 0);
        QCOMPARE(table.appendRow(), 0);
        table.clearRows();
        table.clearRows();
        QCOMPARE(table.model()->rowCount(), 0);
        QCOMPARE(table.horizontalHeader()->count(), 5);
    }

    void cellsKeepTheLastText()
    {
        ResultTable table;
        appendRows(table, {{"1", "a"}, {}, {"3", "c"}});
        table.setCell(0, 1, "b");
        table.setCell(2, 1, "");
        QCOMPARE(allCells(table), (QStringList{"1", "b", "", "", "", "", "", "", "", "", "3", "", "", "", ""}));
    }

    void setCellOutsideTheTableChangesNothing_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::newRow("row-minus-one") << -1 << 0;
        QTest::newRow("row-past-the-end") << 2 << 0;
        QTest::newRow("column-minus-one") << 0 << -1;
        QTest::newRow("column-five") << 0 << 5;
    }

    void setCellOutsideTheTableChangesNothing()
    {
        QFETCH(int, row);
        QFETCH(int, column);
        ResultTable table;
        appendRows(table, {{"1", "a", "x", "y", "z"}, {"2"}});
        const QStringList before = allCells(table);
        table.setCell(row, column, "changed");
        QCOMPARE(allCells(table), before);
    }

    void cellsShowGbkBytes_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("shown");
        QTest::newRow("square-root") << QByteArray("\xA1\xCC") << QStringLiteral("√");
        QTest::newRow("times") << QByteArray("\xA1\xC1") << QStringLiteral("×");
        QTest::newRow("chinese") << QByteArray("\xD6\xD0\xCE\xC4") << QStringLiteral("中文");
        QTest::newRow("outside-gbk") << QByteArray("\x94\x39\xFC\x36") << QStringLiteral("😀");
        QTest::newRow("lone-first-byte") << QByteArray("a\x81") << QStringLiteral("a\uFFFD");
        QTest::newRow("leading-zero-width-no-break-space") << QByteArray("\x84\x31\x95\x33" "a") << QStringLiteral("\uFEFFa");
    }

    void cellsShowGbkBytes()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, shown);
        ResultTable table;
        table.setCell(table.appendRow(), 4, bytes.toStdString());
        QCOMPARE(cell(table, 0, 4), shown);
    }

    // A cell holds its whole text, however narrow the column.
    void longTextIsHeldWhole()
    {
        ResultTable table;
        const std::string text(10'000, 'v');
        table.setCell(table.appendRow(), 2, text);
        QCOMPARE(cell(table, 0, 2).toStdString(), text);
    }

    void pressOnAColumnTitleChangesNothing()
    {
        ResultTable table;
        table.resize(616, 264);
        appendRows(table, {{"3", "c"}, {"2", "b"}, {"1", "a"}});
        table.show();
        QVERIFY(QTest::qWaitForWindowExposed(&table));
        table.selectRow(1);
        const QStringList before = allCells(table);
        QHeaderView* titles = table.horizontalHeader();
        QTest::mouseClick(titles->viewport(), Qt::LeftButton, {},
                          QPoint(titles->sectionViewportPosition(1) + 10, titles->height() / 2));
        QCOMPARE(allCells(table), before);
        QCOMPARE(table.selectionModel()->selectedRows().size(), 1);
        QCOMPARE(table.selectionModel()->selectedRows().first().row(), 1);
        QVERIFY(table.selectionModel()->selectedColumns().isEmpty());
    }

    void doubleClickOpensNoEditor()
    {
        ResultTable table;
        table.resize(616, 264);
        appendRows(table, {{"1", "a", "1", "1", "\xA1\xCC"}});
        table.show();
        QVERIFY(QTest::qWaitForWindowExposed(&table));
        const QRect cellRectangle = table.visualRect(table.model()->index(0, 2));
        QTest::mouseDClick(table.viewport(), Qt::LeftButton, {}, cellRectangle.center());
        QTest::keyClick(table.viewport(), Qt::Key_F2);
        QVERIFY(table.findChild<QLineEdit*>() == nullptr);
        QCOMPARE(cell(table, 0, 2), QStringLiteral("1"));
    }

    void selectionShowsOnlyWhileTheTableHasTheFocus()
    {
        QWidget window;
        auto* table = new ResultTable(&window);
        table->setGeometry(0, 0, 616, 200);
        auto* input = new QLineEdit(&window);
        input->setGeometry(0, 210, 100, 24);
        appendRows(*table, {{"1", "a", "1"}});
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        table->setFocus();
        table->selectRow(0);
        // A spot in the empty cell "value2" of the selected row.
        const QPoint spot = table->visualRect(table->model()->index(0, 3)).center();
        const auto colourAtSpot = [&] { return table->viewport()->grab().toImage().pixelColor(spot); };
        QVERIFY(colourAtSpot() != QColor(Qt::white));
        input->setFocus();
        QCOMPARE(colourAtSpot(), QColor(Qt::white));
        QCOMPARE(table->selectionModel()->selectedRows().size(), 1);
    }

    void newRowsShowFromTheTop()
    {
        ResultTable table;
        table.resize(616, 264);
        const std::vector<std::vector<std::string>> rows(200, {"1", "a", "1"});
        appendRows(table, rows);
        table.show();
        QVERIFY(QTest::qWaitForWindowExposed(&table));
        table.scrollToBottom();
        QVERIFY(table.rowAt(0) > 0);
        table.clearRows();
        appendRows(table, rows);
        QCoreApplication::processEvents();
        QCOMPARE(table.rowAt(0), 0);
    }

    void rowsAreOneLineHigh()
    {
        ResultTable table;
        table.resize(616, 264);
        appendRows(table, std::vector<std::vector<std::string>>(50, {"1", "a", "1"}));
        table.show();
        QVERIFY(QTest::qWaitForWindowExposed(&table));
        const int lineHeight = table.fontMetrics().height();
        QVERIFY(table.rowHeight(0) >= lineHeight);
        QVERIFY(table.rowHeight(0) <= lineHeight + 6);
        QVERIFY(table.rowAt(table.viewport()->height() - 1) >= 10);
    }

    // The current cell of a selected row looks like the other cells of the
    // row: no focus frame of its own.
    void currentCellHasNoFocusFrame()
    {
        ResultTable table;
        appendRows(table, {{"1", "a", "1"}});
        table.show();
        QVERIFY(QTest::qWaitForWindowActive(&table));
        table.setFocus();
        table.selectRow(0);
        table.setCurrentIndex(table.model()->index(0, 3));
        const QRect current = table.visualRect(table.model()->index(0, 3));
        const QRect other = table.visualRect(table.model()->index(0, 4));
        const QImage image = table.viewport()->grab().toImage();
        for (const QPoint& edge : {current.topLeft() + QPoint(2, 2), QPoint(current.left() + 2, current.center().y())}) {
            QCOMPARE(image.pixelColor(edge), image.pixelColor(other.center()));
        }
    }

    void copyTakesTheWholeSelectedRow()
    {
        ResultTable table;
        appendRows(table, {{"1", "a", "1", "1", "\xA1\xCC"}, {"2", "b", "2", "", "\xA1\xC1"}});
        table.show();
        QVERIFY(QTest::qWaitForWindowExposed(&table));
        table.setFocus();
        table.selectRow(1);
        table.setCurrentIndex(table.model()->index(1, 2));
        QTest::keySequence(&table, QKeySequence::Copy);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("2\tb\t2\t\t×"));
    }
};

QTEST_MAIN(ResultTableTest)
#include "result_table_test.moc"
