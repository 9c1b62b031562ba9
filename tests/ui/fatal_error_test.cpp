// A request for memory that fails ends the program through the fatal-error
// box: run in a child process, since the box ends the process it is in.
#include <QProcess>
#include <QTest>

class FatalErrorTest : public QObject {
    Q_OBJECT

private slots:
    void failedRequestShowsTheBoxAndEnds_data()
    {
        QTest::addColumn<QString>("request");
        QTest::addColumn<QStringList>("output");
        QTest::addColumn<int>("exitStatus");
        const QStringList box = {
            "caption: 错误",
            "icon: error",
            "buttons: 1",
            "owner: none",
            "text: 运行时出错!<CR><LF><CR><LF>错误信息：分配 4503599627370496 字节内存失败!<CR><LF>",
        };
        QTest::newRow("new") << "new" << box << 255;
        QTest::newRow("new-array") << "new-array" << box << 255;
        QTest::newRow("new-aligned") << "new-aligned" << box << 255;
        QTest::newRow("nothrow-gives-null") << "new-nothrow" << QStringList{"returned null"} << 0;
    }

    void failedRequestShowsTheBoxAndEnds()
    {
        QFETCH(QString, request);
        QFETCH(QStringList, output);
        QFETCH(int, exitStatus);
        QProcess probe;
        probe.setProgram(QStringLiteral(FATAL_ERROR_PROBE));
        probe.setArguments({request});
        probe.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        probe.start();
        QVERIFY(probe.waitForFinished(30'000));
        QCOMPARE(probe.exitStatus(), QProcess::NormalExit);
        QCOMPARE(QString::fromUtf8(probe.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts),
                 output);
        QCOMPARE(probe.exitCode(), exitStatus);
    }
};

QTEST_GUILESS_MAIN(FatalErrorTest)
#include "fatal_error_test.moc"
