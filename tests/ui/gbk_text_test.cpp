#include "ui/gbk_text.h"

#include <QTest>

#include <string>

using quorrel::decodeGbk;
using quorrel::encodeGbk;

class GbkTextTest : public QObject {
    Q_OBJECT

private slots:
    void roundTrip_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("ascii") << QString("a=1&b=2") << QByteArray("a=1&b=2");
        QTest::newRow("square-root") << QString::fromUtf8("√") << QByteArray("\xA1\xCC");
        QTest::newRow("times") << QString::fromUtf8("×") << QByteArray("\xA1\xC1");
        QTest::newRow("chinese") << QString::fromUtf8("中文=值") << QByteArray("\xD6\xD0\xCE\xC4=\xD6\xB5");
        QTest::newRow("full-width-colon") << QString::fromUtf8("：") << QByteArray("\xA3\xBA");
        // Outside the two-byte range: four bytes, never "?" or a lone 0x80.
        QTest::newRow("euro") << QString::fromUtf8("€&b") << QByteArray("\xA2\xE3&b");
        QTest::newRow("emoji") << QString::fromUtf8("a=😀") << QByteArray("a=\x94\x39\xFC\x36");
        QTest::newRow("empty") << QString() << QByteArray();
    }

    void roundTrip()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QCOMPARE(QByteArray::fromStdString(encodeGbk(text)), bytes);
        QCOMPARE(decodeGbk(bytes.toStdString()), text);
    }

    void charactersOutsideGbkStayDistinct()
    {
        QVERIFY(encodeGbk(QString::fromUtf8("a=😀")) != encodeGbk(QString::fromUtf8("a=😁")));
        QVERIFY(encodeGbk(QString::fromUtf8("€")) != encodeGbk(QString::fromUtf8("?")));
    }

    void invalidBytes_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        const QString bad(QChar(0xFFFD));
        QTest::newRow("lone-first-byte-at-end") << QByteArray("a\x81") << "a" + bad;
        QTest::newRow("lone-first-byte-only") << QByteArray("\x81") << bad;
        QTest::newRow("byte-80") << QByteArray("a\x80z") << "a" + bad + "z";
        QTest::newRow("byte-ff") << QByteArray("\xFF") << bad;
    }

    void invalidBytes()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QCOMPARE(decodeGbk(bytes.toStdString()), text);
    }
};

QTEST_APPLESS_MAIN(GbkTextTest)
#include "gbk_text_test.moc"
