// Names from the sound server reach callers as UTF-16; broken UTF-8 must not break them.

#include <QtTest>

#include "utf16.h"

class TestUtf16 : public QObject {
    Q_OBJECT

private slots:
    void converts_data()
    {
        QTest::addColumn<QByteArray>("utf8");
        QTest::addColumn<QString>("expected");
        const QString bad(QChar(0xFFFD));
        QTest::newRow("empty") << QByteArray() << QString();
        QTest::newRow("ascii") << QByteArray("Built-in Audio") << QStringLiteral("Built-in Audio");
        QTest::newRow("two and three bytes")
            << QByteArray("Mikrofon \xc3\xa4 \xe2\x82\xac") << QString::fromUtf8("Mikrofon ä €");
        QTest::newRow("four bytes become a surrogate pair")
            << QByteArray("\xf0\x9f\x8e\xa4") << QString::fromUtf8("\xf0\x9f\x8e\xa4");
        QTest::newRow("stray continuation")
            << QByteArray("a\x80z") << QStringLiteral("a") + bad + "z";
        QTest::newRow("truncated at end") << QByteArray("a\xe2\x82") << QStringLiteral("a") + bad;
        QTest::newRow("truncated before ascii")
            << QByteArray("\xe2\x82z") << bad + QStringLiteral("z");
        QTest::newRow("overlong") << QByteArray("\xc0\xaf\xe0\x80\xaf") << bad + bad + bad;
        QTest::newRow("surrogate") << QByteArray("\xed\xa0\x80") << bad;
        QTest::newRow("above U+10FFFF") << QByteArray("\xf4\x90\x80\x80") << bad;
        QTest::newRow("invalid lead") << QByteArray("\xff") << bad;
    }

    void converts()
    {
        QFETCH(QByteArray, utf8);
        QFETCH(QString, expected);
        const std::u16string out =
            olmet::utf8ToUtf16(std::string_view(utf8.constData(), size_t(utf8.size())));
        QCOMPARE(QString::fromUtf16(out.c_str(), int(out.size())), expected);
    }
};

QTEST_APPLESS_MAIN(TestUtf16)
#include "tst_utf16.moc"
