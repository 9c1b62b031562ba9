#include "gb18030/gb18030_text.h"

#include <QTest>

#include <string>

using quorrel::decodeGb18030;
using quorrel::encodeGb18030;

class Gb18030TextTest : public QObject {
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
        // U+FEFF at the start is kept, not taken for a byte order mark.
        QTest::newRow("leading-zero-width-no-break-space") << QChar(0xFEFF) + QString("a=1") << QByteArray("\x84\x31\x95\x33" "a=1");
    }

    void roundTrip()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QCOMPARE(QByteArray::fromStdString(encodeGb18030(text)), bytes);
        QCOMPARE(decodeGb18030(bytes.toStdString()), text);
    }

    void charactersOutsideGbkStayDistinct()
    {
        QVERIFY(encodeGb18030(QString::fromUtf8("a=😀")) != encodeGb18030(QString::fromUtf8("a=😁")));
        QVERIFY(encodeGb18030(QString::fromUtf8("€")) != encodeGb18030(QString::fromUtf8("?")));
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
        QCOMPARE(decodeGb18030(bytes.toStdString()), text);
    }
};

QTEST_APPLESS_MAIN(Gb18030TextTest)
#include "gb18030_text_test.moc"
