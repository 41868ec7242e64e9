// The interface translations are complete: for each language, the .ts source brought up to
// date with the code (lupdate) has every text of the code and no other, every text is
// translated (nothing unfinished or empty), and each translation keeps the placeholders
// (%1, %2, ...) of its text. English keeps the source texts exactly.
//
// When this fails after a change of texts: build the target quillon_update_translations and
// translate the entries it marks unfinished in resources/translations/*.ts.

#include "testmedia.h"

#include <QDir>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

struct Message {
    QString context;
    QString source;
    QStringList translations;  // one, or one per plural form
    bool unfinished = false;
    QString key() const { return context + QStringLiteral(" | ") + source; }
};

struct TsFile {
    QString language;
    QVector<Message> messages;
};

Message readMessage(QXmlStreamReader& xml, const QString& context)
{
    Message m;
    m.context = context;
    while (xml.readNextStartElement()) {
        if (xml.name() == QLatin1String("source")) {
            m.source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            m.unfinished = !xml.attributes().value(QStringLiteral("type")).isEmpty();
            QString single;
            while (xml.readNext() != QXmlStreamReader::EndElement || xml.name() != "translation") {
                if (xml.isCharacters())
                    single += xml.text();
                else if (xml.isStartElement() && xml.name() == QLatin1String("numerusform"))
                    m.translations << xml.readElementText();
            }
            if (m.translations.isEmpty())
                m.translations << single;
        } else {
            xml.skipCurrentElement();
        }
    }
    return m;
}

TsFile readTs(const QString& path)
{
    TsFile ts;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return ts;
    QXmlStreamReader xml(&file);
    QString context;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("TS"))
            ts.language = xml.attributes().value(QStringLiteral("language")).toString();
        else if (xml.name() == QLatin1String("name"))
            context = xml.readElementText();
        else if (xml.name() == QLatin1String("message"))
            ts.messages << readMessage(xml, context);
    }
    return ts;
}

QSet<QString> placeholders(const QString& text)
{
    static const QRegularExpression marker(QStringLiteral("%L?\\d+|%n"));
    QSet<QString> found;
    auto it = marker.globalMatch(text);
    while (it.hasNext())
        found.insert(it.next().captured());
    return found;
}

QSet<QString> keys(const TsFile& ts)
{
    QSet<QString> all;
    for (const Message& m : ts.messages)
        all.insert(m.key());
    return all;
}

QString listed(QStringList lines)
{
    lines.sort();
    return lines.join(QLatin1Char('\n'));
}

}  // namespace

class TestTranslations : public QObject {
    Q_OBJECT

private slots:
    void complete_data()
    {
        QTest::addColumn<QString>("tsPath");
        const QDir dir(testmedia::sourceDir() + QStringLiteral("/resources/translations"));
        const QStringList files = dir.entryList({QStringLiteral("audiorecorder_*.ts")});
        QCOMPARE(files.size(), 5);
        for (const QString& name : files)
            QTest::newRow(qPrintable(name)) << dir.filePath(name);
    }

    void complete()
    {
        QFETCH(QString, tsPath);
        const TsFile committed = readTs(tsPath);
        QVERIFY2(!committed.messages.isEmpty(), qPrintable(tsPath));
        const QString locale = QFileInfo(tsPath).completeBaseName().section('_', 1);
        QCOMPARE(committed.language, locale);

        // What the code asks for now.
        QTemporaryDir dir;
        const QString updated = dir.filePath(QFileInfo(tsPath).fileName());
        QVERIFY(QFile::copy(tsPath, updated));
        const QString lupdate = qEnvironmentVariable("QUILLON_LUPDATE");
        const testmedia::ToolResult run =
            testmedia::run(lupdate, {"-silent", "-locations", "none", "-no-obsolete",
                                     testmedia::sourceDir() + "/src", "-ts", updated});
        QVERIFY2(run.ok(), run.err.constData());
        const TsFile current = readTs(updated);

        QStringList missing;
        for (const QString& key : keys(current) - keys(committed))
            missing << key;
        QVERIFY2(missing.isEmpty(),
                 qPrintable("texts of the code not in the file:\n" + listed(missing)));
        QStringList stale;
        for (const QString& key : keys(committed) - keys(current))
            stale << key;
        QVERIFY2(stale.isEmpty(), qPrintable("texts no longer in the code:\n" + listed(stale)));

        QStringList problems;
        for (const Message& m : committed.messages) {
            for (const QString& t : m.translations) {
                if (m.unfinished || t.isEmpty())
                    problems << QStringLiteral("unfinished: ") + m.key();
                else if (placeholders(t) != placeholders(m.source))
                    problems << QStringLiteral("placeholders differ: %1 -> %2").arg(m.key(), t);
                else if (locale == QLatin1String("en") && t != m.source)
                    problems << QStringLiteral("English differs: %1 -> %2").arg(m.key(), t);
            }
        }
        QVERIFY2(problems.isEmpty(), qPrintable(listed(problems)));
    }
};

QTEST_GUILESS_MAIN(TestTranslations)
#include "tst_translations.moc"
