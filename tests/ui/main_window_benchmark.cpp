// Time from a click on "一键解析" to the painted table, and the memory one
// parse of 100,000 rows takes. Prints figures; asserts no time.
#include "ui/line_input.h"
#include "ui/main_window.h"
#include "ui/result_table.h"

#include <QFile>
#include <QPushButton>
#include <QTest>

namespace {

// The resident set of this process in KiB, from /proc.
long residentKib()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return -1;
    }
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:")) {
            return line.mid(6).trimmed().split(' ').first().toLong();
        }
    }
    return -1;
}

// `count` items "p<i>=<i>" joined with "&".
QString parameterString(int count, const QString& valuePrefix)
{
    QStringList items;
    items.reserve(count);
    for (int i = 0; i < count; ++i) {
        items << QStringLiteral("p%1=%2%1").arg(i).arg(valuePrefix);
    }
    return items.join(u'&');
}

}  // namespace

class MainWindowBenchmark : public QObject {
    Q_OBJECT

private slots:
    // First, while the process has not yet held any rows: how much the
    // resident set grows over one parse of 100,000 rows.
    void residentSetOfOneParse()
    {
        quorrel::ParseLists lists;
        quorrel::MainWindow window(lists);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.findChild<quorrel::LineInput*>(QStringLiteral("编辑框1"))->setText(parameterString(100'000, {}));
        QCoreApplication::processEvents();
        const long before = residentKib();
        QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("按钮3")), Qt::LeftButton);
        QCoreApplication::processEvents();
        qInfo("rows: %d, resident set grew by %ld KiB",
              window.findChild<quorrel::ResultTable*>()->model()->rowCount(), residentKib() - before);
    }

    void parseToPaintedTable_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        // Every item of one side alone: the pairing has nothing to search.
        QTest::newRow("one-side-100000-rows") << parameterString(100'000, QString()) << QString();
        // Both sides alike: every item finds its partner.
        QTest::newRow("paired-100000-rows")
            << parameterString(100'000, QString()) << parameterString(100'000, QStringLiteral("v"));
    }

    void parseToPaintedTable()
    {
        QFETCH(QString, first);
        QFETCH(QString, second);
        quorrel::ParseLists lists;
        quorrel::MainWindow window(lists);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.findChild<quorrel::LineInput*>(QStringLiteral("编辑框1"))->setText(first);
        window.findChild<quorrel::LineInput*>(QStringLiteral("编辑框2"))->setText(second);
        auto* parseButton = window.findChild<QPushButton*>(QStringLiteral("按钮3"));
        const auto* table = window.findChild<quorrel::ResultTable*>();
        // Lay the long inputs out and paint them before the clock starts.
        QCoreApplication::processEvents();

        QBENCHMARK {
            QTest::mouseClick(parseButton, Qt::LeftButton);
            // The table paints from the update the new rows posted.
            QCoreApplication::processEvents();
        }
        QCOMPARE(table->model()->rowCount(), 100'000);
    }
};

QTEST_MAIN(MainWindowBenchmark)
#include "main_window_benchmark.moc"
