// The property-list reader against lists written by Python's plistlib, and every failure
// message of the reader produced by an input that should produce it.

#include "plist.h"
#include "plistdocument.h"
#include "plistxmlreader.h"
#include "tablerows.h"
#include "testfiles.h"
#include "testmedia.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <cstdlib>
#include <ctime>

Q_DECLARE_METATYPE(std::string)

namespace {

// The message of the std::runtime_error that f throws.
template <typename F>
QString thrown(F f)
{
    try {
        f();
    } catch (const std::runtime_error& e) {
        return QString::fromStdString(e.what());
    }
    return QStringLiteral("<no error>");
}

QString readError(const QByteArray& bytes)
{
    boost::any out;
    return thrown([&] { Plist::readBuffer(bytes.constData(), bytes.size(), out); });
}

boost::any readBytes(const QByteArray& bytes)
{
    boost::any out;
    Plist::readBuffer(bytes.constData(), bytes.size(), out);
    return out;
}

QByteArray xmlList(const QByteArray& body)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\">" + body +
           "</plist>\n";
}

template <typename T>
T get(const boost::any& v)
{
    const T* p = boost::any_cast<T>(&v);
    if (!p)
        throw std::runtime_error(std::string("held type is ") + v.type().name());
    return *p;
}

const boost::any& at(const boost::any& dict, const char* key)
{
    return boost::any_cast<const PlistDict&>(dict).at(key);
}

}  // namespace

using tablerows::addRow;

class TestPlist : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        const testmedia::ToolResult r = testmedia::run(
            QStringLiteral("python3"),
            {testmedia::sourceDir() + QStringLiteral("/tests/convert/make_plists.py"),
             m_dir.path()});
        QVERIFY2(r.ok(), r.err.constData());
    }

    void xmlAndBinaryReadToEqualTrees_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("mixed types") << "mixed";
        QTest::newRow("two-byte references and long lengths") << "large";
    }

    void xmlAndBinaryReadToEqualTrees()
    {
        QFETCH(QString, name);
        const QByteArray xml = fixture(name + QStringLiteral(".xml"));
        const QByteArray bin = fixture(name + QStringLiteral(".bin"));
        QVERIFY(xml.startsWith("<?xml"));
        QVERIFY(bin.startsWith("bplist00"));
        const boost::any fromXml = readBytes(xml);
        const boost::any fromBin = readBytes(bin);
        QVERIFY(Plist::equal(fromXml, fromBin));
        QVERIFY(!fromXml.empty());
    }

    void heldTypesAndValues()
    {
        for (const char* form : {"mixed.xml", "mixed.bin"}) {
            const boost::any root = readBytes(fixture(QString::fromLatin1(form)));
            QCOMPARE(get<std::string>(at(root, "text")), std::string("hello & <world>"));
            QCOMPARE(get<std::string>(at(root, "empty")), std::string());
            QCOMPARE(get<int64_t>(at(root, "count")), int64_t(42));
            QCOMPARE(get<int64_t>(at(root, "negative")), int64_t(-7));
            QCOMPARE(get<double>(at(root, "ratio")), 2.5);
            QCOMPARE(get<bool>(at(root, "yes")), true);
            QCOMPARE(get<bool>(at(root, "no")), false);
            // plistlib writes naive datetimes as UTC.
            QCOMPARE(get<PlistDate>(at(root, "when")).secondsSinceEpoch(), int64_t(1593606615));
            const std::vector<char> blob = get<std::vector<char>>(at(root, "blob"));
            QCOMPARE(blob.size(), size_t(512));
            QCOMPARE(static_cast<unsigned char>(blob[255]), 255u);
            QCOMPARE(static_cast<unsigned char>(blob[256]), 0u);
            const PlistArray nested = get<PlistArray>(at(root, "nested"));
            QCOMPARE(nested.size(), size_t(3));
            QCOMPARE(get<std::string>(at(nested[0], "id")), std::string("5000"));
            QCOMPARE(get<PlistArray>(at(nested[0], "list")).size(), size_t(3));
            QVERIFY(get<PlistArray>(nested[1]).empty());
            QVERIFY(get<PlistDict>(nested[2]).empty());
        }
    }

    void binaryIntegerWidths()
    {
        const PlistArray values =
            get<PlistArray>(readBytes(fixture(QStringLiteral("integers.bin"))));
        // Narrow integers are unsigned, 8-byte ones signed, and of a 16-byte one the low 64 bits
        // stay (2^64 - 1 becomes -1).
        const std::vector<int64_t> expected = {
            0, 1, 255, 256, 65535, 65536, 4294967295LL, 4294967296LL, INT64_MAX, -1, -1, INT64_MIN};
        QCOMPARE(values.size(), expected.size());
        for (size_t i = 0; i < expected.size(); ++i)
            QCOMPARE(get<int64_t>(values[i]), expected[i]);
    }

    void binaryIgnoresTopObjectField()
    {
        const boost::any root = readBytes(fixture(QStringLiteral("topobject.bin")));
        QCOMPARE(get<std::string>(at(root, "root")), std::string("yes"));
    }

    void errors_data()
    {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QString>("fixtureName");
        QTest::addColumn<QString>("message");

        const auto row = [](const char* name, const QByteArray& input, const char* message) {
            QTest::newRow(name) << input << QString() << QString::fromLatin1(message);
        };
        // Binary lists made by make_plists.py, named after the file.
        const auto binary = [](const char* file, const char* message) {
            addRow(file, QByteArray(), QString::fromLatin1(file), QString::fromLatin1(message));
        };
        row("not xml", "<plist><dict></plist>",
            "Plist: XML parsed with error Start-end tags mismatch");
        row("broken start tag", "<plist><dict/ ></plist>",
            "Plist: XML parsed with error Error parsing start element tag");
        row("unknown element", xmlList("<set/>"), "Plist: XML unknown node type set");
        row("no root value", xmlList(""), "Plist: XML unknown node type ");
        row("no plist element", "<dict/>", "Plist: XML unknown node type ");
        row("unknown element in array", xmlList("<array><string>a</string><int>1</int></array>"),
            "Plist: XML unknown node type int");
        row("value where a key belongs",
            xmlList("<dict><string>a</string><string>b</string></dict>"),
            "Plist: XML dictionary key expected but not found");
        row("key without value", xmlList("<dict><key>a</key></dict>"),
            "Plist: XML dictionary value expected for key abut not found");
        row("key after key", xmlList("<dict><key>a</key><key>b</key><string>c</string></dict>"),
            "Plist: XML dictionary value expected for key abut found another key node");
        row("date before 1970", xmlList("<date>1900-01-01T00:00:00Z</date>"),
            "PlistDate::set() date invalid");
        row("xml nested too deeply",
            xmlList(QByteArray("<array>").repeated(600) + QByteArray("</array>").repeated(600)),
            "Plist: objects nested too deeply");
        row("binary header only", "bplist00", "Out of bounds getRange");
        binary("null.bin", "Plist: null byte encountered, unsure how to parse");
        binary("fill.bin", "Plist: fill byte encountered, unsure how to parse");
        binary("unknown.bin", "Plist: unknown header \x0c");
        binary("uid.bin", "This type is not supported");
        binary("utf16.bin", "This type is not supported");
        binary("intkey.bin", "Error parsing dictionary.  Key can't be parsed as a string");
        binary("truncated.bin", "Out of bounds getRange");
        binary("cycle.bin", "Plist: objects nested too deeply");
        binary("shared.bin", "Plist: object graph too large");
    }

    void errors()
    {
        QFETCH(QByteArray, input);
        QFETCH(QString, fixtureName);
        QFETCH(QString, message);
        if (!fixtureName.isEmpty())
            input = fixture(fixtureName);
        QVERIFY(!input.isEmpty());
        QCOMPARE(readError(input), message);
    }

    void xmlNumbers_data()
    {
        QTest::addColumn<QByteArray>("element");
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<double>("value");
        // Integers are read as 32-bit values and held as int64_t.
        const QByteArray i = "integer";
        QTest::newRow("plain") << i << QByteArray("123") << 123.0;
        QTest::newRow("signs and blanks") << i << QByteArray(" -45") << -45.0;
        QTest::newRow("plus") << i << QByteArray("+7") << 7.0;
        QTest::newRow("stops at non-digit") << i << QByteArray("12abc") << 12.0;
        QTest::newRow("no digits") << i << QByteArray("abc") << 0.0;
        QTest::newRow("empty") << i << QByteArray("") << 0.0;
        QTest::newRow("32-bit max") << i << QByteArray("2147483647") << 2147483647.0;
        QTest::newRow("32-bit min") << i << QByteArray("-2147483648") << -2147483648.0;
        // Beyond 32 bits the reading saturates: 4294967296 is not what comes back.
        QTest::newRow("2^32") << i << QByteArray("4294967296") << 2147483647.0;
        QTest::newRow("-2^32") << i << QByteArray("-4294967296") << -2147483648.0;
        const QByteArray r = "real";
        QTest::newRow("real plain") << r << QByteArray("3.25") << 3.25;
        QTest::newRow("real exponent") << r << QByteArray("-1.5e3") << -1500.0;
        QTest::newRow("real trailing text") << r << QByteArray(" 2.5kbps") << 2.5;
        QTest::newRow("real no number") << r << QByteArray("abc") << 0.0;
        QTest::newRow("real double sign") << r << QByteArray("--1") << 0.0;
    }

    void xmlNumbers()
    {
        QFETCH(QByteArray, element);
        QFETCH(QByteArray, text);
        QFETCH(double, value);
        const boost::any v = readBytes(xmlList("<" + element + ">" + text + "</" + element + ">"));
        if (element == "integer")
            QCOMPARE(get<int64_t>(v), int64_t(value));
        else
            QCOMPARE(get<double>(v), value);
    }

    void dataAcrossLinesAndRepeatedKey()
    {
        // "Quillon data!" in Base64 broken over lines, tabs and blanks; "=" ends the data.
        const boost::any v =
            readBytes(xmlList("<data>\n\tUXVp\n\tbGxv bi\r\n BkYXRhIQ==ignored</data>"));
        const std::vector<char> bytes = get<std::vector<char>>(v);
        QCOMPARE(std::string(bytes.begin(), bytes.end()), std::string("Quillon data!"));

        // A repeated dictionary key: the later value replaces the earlier one.
        const boost::any d = readBytes(
            xmlList("<dict><key>a</key><string>1</string><key>a</key><string>2</string></dict>"));
        QCOMPARE(get<PlistDict>(d).size(), size_t(1));
        QCOMPARE(get<std::string>(at(d, "a")), std::string("2"));
    }

    void isoDateIsUtcInEveryZone_data()
    {
        QTest::addColumn<QByteArray>("zone");
        QTest::addColumn<QByteArray>("iso");
        QTest::addColumn<qint64>("seconds");
        for (const char* zone : {"UTC", "Europe/Berlin", "America/New_York", "Asia/Kolkata"}) {
            QTest::addRow("%s summer", zone)
                << QByteArray(zone) << QByteArray("2020-07-01T12:30:15Z") << qint64(1593606615);
            QTest::addRow("%s winter", zone)
                << QByteArray(zone) << QByteArray("2021-01-15T23:59:59Z") << qint64(1610755199);
        }
    }

    void isoDateIsUtcInEveryZone()
    {
        QFETCH(QByteArray, zone);
        QFETCH(QByteArray, iso);
        QFETCH(qint64, seconds);
        const QByteArray saved = qgetenv("TZ");
        qputenv("TZ", zone);
        tzset();
        const boost::any v = readBytes(xmlList("<date>" + iso + "</date>"));
        qputenv("TZ", saved);
        tzset();
        QCOMPARE(get<PlistDate>(v).secondsSinceEpoch(), int64_t(seconds));
        QCOMPARE(QByteArray::fromStdString(get<PlistDate>(v).toIsoText()), iso);
    }

    void readFileFailures()
    {
        boost::any out = std::string("untouched");
        Plist::readFile(std::string(), out);
        QCOMPARE(get<std::string>(out), std::string("untouched"));

        const std::string missing = m_dir.filePath(QStringLiteral("missing.plist")).toStdString();
        QCOMPARE(thrown([&] { Plist::readFile(missing, out); }),
                 QString::fromStdString("Can't open file: " + missing));
        const QString empty = m_dir.filePath(QStringLiteral("empty.plist"));
        QVERIFY(testfiles::writeFile(empty, QByteArray()));
        QCOMPARE(thrown([&] { Plist::readFile(empty.toStdString(), out); }),
                 QStringLiteral("Can't read zero length data"));
        QCOMPARE(readError(QByteArray()), QStringLiteral("Plist: Empty plist data"));

        // A UTF-8 path with non-ASCII characters reads like any other.
        const QString utf8Name = m_dir.filePath(QStringLiteral("caf\u00e9 \u00fc.bin"));
        QVERIFY(QFile::copy(m_dir.filePath(QStringLiteral("mixed.bin")), utf8Name));
        Plist::readFile(utf8Name.toUtf8().toStdString(), out);
        QCOMPARE(get<int64_t>(at(out, "count")), int64_t(42));
    }

    void vecDataAndGetRange()
    {
        std::vector<char> bytes = {'a', 'b', 'c', 'd'};
        QVERIFY(Plist::vecData(bytes) == bytes.data());  // pointers, not C strings
        QCOMPARE(Plist::getRange(bytes, 1, 3), std::vector<char>({'b', 'c', 'd'}));
        QVERIFY(Plist::getRange(bytes, 4, 0).empty());

        std::vector<char> none;
        QCOMPARE(thrown([&] { Plist::vecData(none); }),
                 QStringLiteral("Plist::vecData trying to get pointer to empty std::vector"));
        for (const auto& range :
             {std::make_pair(uint64_t(2), uint64_t(3)), std::make_pair(uint64_t(5), uint64_t(0)),
              std::make_pair(uint64_t(1), UINT64_MAX)}) {
            QCOMPARE(thrown([&] { Plist::getRange(bytes, range.first, range.second); }),
                     QStringLiteral("Out of bounds getRange"));
        }
    }

    void documentIsCachedForTheProcess()
    {
        const std::string first = m_dir.filePath(QStringLiteral("mixed.xml")).toStdString();
        const std::string second = m_dir.filePath(QStringLiteral("large.bin")).toStdString();
        // A failed first read caches nothing.
        QVERIFY_EXCEPTION_THROWN(
            PlistDocument::instance(m_dir.filePath(QStringLiteral("nothing")).toStdString()),
            std::runtime_error);
        const PlistDocument& doc = PlistDocument::instance(first);
        QCOMPARE(doc.path(), first);
        QCOMPARE(get<int64_t>(doc.root().at("count")), int64_t(42));
        const PlistDocument& again = PlistDocument::instance(second);
        QCOMPARE(&again, &doc);
        QCOMPARE(again.path(), first);
        QVERIFY(again.root().count("items") == 0);
    }

private:
    QByteArray fixture(const QString& name) const;

    QTemporaryDir m_dir;
};

QByteArray TestPlist::fixture(const QString& name) const
{
    return testfiles::readFile(m_dir.filePath(name));
}

QTEST_GUILESS_MAIN(TestPlist)
#include "tst_plist.moc"
