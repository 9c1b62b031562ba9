#include "gb18030/percent_decoded_cell.h"

#include "gb18030/gb18030_text.h"

#include <QTest>

using quorrel::Charset;

Q_DECLARE_METATYPE(Charset)

class PercentDecodedCellTest : public QObject {
    Q_OBJECT

private slots:
    void decodesInTheCharset_data()
    {
        QTest::addColumn<QString>("cell");
        QTest::addColumn<Charset>("charset");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QByteArray>("compared");
        QTest::newRow("plain-ascii") << "a=1" << Charset::Utf8 << "a=1" << QByteArray("a=1");
        QTest::newRow("utf8-escapes") << "%E4%B8%AD" << Charset::Utf8 << "中" << QByteArray("\xE4\xB8\xAD");
        QTest::newRow("unescaped-in-utf8") << "中+" << Charset::Utf8 << "中 " << QByteArray("\xE4\xB8\xAD ");
        QTest::newRow("gbk-escapes") << "%D6%D0" << Charset::Gb18030 << "中" << QByteArray("\xD6\xD0");
        QTest::newRow("unescaped-in-gbk") << "中%41" << Charset::Gb18030 << "中A" << QByteArray("\xD6\xD0" "A");
        QTest::newRow("invalid-utf8") << "%FF" << Charset::Utf8 << "\uFFFD" << QByteArray("\xFF");
        QTest::newRow("lone-first-byte-in-gbk") << "a%81" << Charset::Gb18030 << "a\uFFFD" << QByteArray("a\x81");
        QTest::newRow("bad-escape-stays") << "%zz" << Charset::Utf8 << "%zz" << QByteArray("%zz");
    }

    void decodesInTheCharset()
    {
        QFETCH(QString, cell);
        QFETCH(Charset, charset);
        QFETCH(QString, shown);
        QFETCH(QByteArray, compared);
        const quorrel::DecodedCell decoded = quorrel::percentDecodedCell(quorrel::encodeGb18030(cell), charset);
        QCOMPARE(quorrel::decodeGb18030(decoded.shown), shown);
        QCOMPARE(QByteArray::fromStdString(decoded.compared), compared);
    }
};

QTEST_MAIN(PercentDecodedCellTest)
#include "percent_decoded_cell_test.moc"
