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
        QTest::addColumn<QString>("errorOutput");
        QTest::addColumn<int>("exitStatus");
        const QString text = "运行时出错!\r\n\r\n错误信息：分配 4503599627370496 字节内存失败!\r\n";
        const QStringList box = {
            "caption: 错误",
            "icon: error",
            "buttons: 1",
            "owner: none",
            "text: 运行时出错!<CR><LF><CR><LF>错误信息：分配 4503599627370496 字节内存失败!<CR><LF>",
        };
        QTest::newRow("new") << "new" << box << QString() << 255;
        QTest::newRow("new-array") << "new-array" << box << QString() << 255;
        QTest::newRow("new-aligned") << "new-aligned" << box << QString() << 255;
        QTest::newRow("nothrow-gives-null")
            << "new-nothrow" << QStringList{"returned null"} << QString() << 0;
        // With no application there is no box: the text goes to standard error.
        QTest::newRow("before-application") << "new-before-application" << QStringList{} << text << 255;
    }

    void failedRequestShowsTheBoxAndEnds()
    {
        QFETCH(QString, request);
        QFETCH(QStringList, output);
        QFETCH(QString, errorOutput);
        QFETCH(int, exitStatus);
        QProcess probe;
        probe.setProgram(QStringLiteral(FATAL_ERROR_PROBE));
        probe.setArguments({request});
        probe.start();
        QVERIFY(probe.waitForFinished(30'000));
        QCOMPARE(probe.exitStatus(), QProcess::NormalExit);
        QCOMPARE(QString::fromUtf8(probe.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts),
                 output);
        QVERIFY(QString::fromUtf8(probe.readAllStandardError()).contains(errorOutput));
        QCOMPARE(probe.exitCode(), exitStatus);
    }
};

QTEST_GUILESS_MAIN(FatalErrorTest)
#include "fatal_error_test.moc"
