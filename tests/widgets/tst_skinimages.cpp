// Every skin image the sources name exists in the resource folder with the frame layout the
// widgets expect, and the bundled fonts load under the family names the code asks for.
#include <QDirIterator>
#include <QFontDatabase>
#include <QRegularExpression>
#include <QtTest>

#include "nxskin.h"
#include "tablerows.h"
#include "widgettestutil.h"

namespace {

struct Layout {
    int frames = 0;
    QSize frame;
};

QString sourceDir()
{
    return qEnvironmentVariable("QUILLON_SOURCE_DIR");
}

// The image table the resource build renders from.
QMap<QString, Layout> skinTable()
{
    QMap<QString, Layout> table;
    QFile file(sourceDir() + QStringLiteral("/resources/skin/skin.txt"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return table;
    static const QRegularExpression line(
        QStringLiteral("^image\\s+(\\S+)\\s+\\S+\\s+(\\d+)\\s+(\\d+)x(\\d+)"));
    while (!file.atEnd()) {
        const QRegularExpressionMatch m = line.match(QString::fromUtf8(file.readLine()));
        if (m.hasMatch())
            table.insert(m.captured(1), {m.captured(2).toInt(),
                                         QSize(m.captured(3).toInt(), m.captured(4).toInt())});
    }
    return table;
}

// Every quoted "/image/..." text in the application sources.
QMap<QString, QString> quotedImagePaths()
{
    QMap<QString, QString> found;  // path -> first file naming it
    static const QRegularExpression quoted(QStringLiteral("\"(/image/[^\"\\s%*]*)\""));
    QDirIterator it(sourceDir() + QStringLiteral("/src"),
                    {QStringLiteral("*.cpp"), QStringLiteral("*.h"), QStringLiteral("*.ui")},
                    QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QString text = QString::fromUtf8(file.readAll());
        auto matches = quoted.globalMatch(text);
        while (matches.hasNext()) {
            const QString image = matches.next().captured(1);
            if (!found.contains(image))
                found.insert(image, QDir(sourceDir()).relativeFilePath(path));
        }
    }
    return found;
}

bool fullyTransparent(const QImage& image)
{
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) != 0)
                return false;
        }
    }
    return true;
}

}  // namespace

using tablerows::addRow;

class TestSkinImages : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        WidgetTest::useBuiltResources();
        QVERIFY2(!skinTable().isEmpty(), "resources/skin/skin.txt not found or empty");
    }

    void sourcesNameOnlyKnownImages_data()
    {
        QTest::addColumn<QString>("image");
        QTest::addColumn<QString>("file");
        const QMap<QString, QString> paths = quotedImagePaths();
        QVERIFY2(paths.size() >= 10, "too few image paths found in src/");
        for (auto it = paths.cbegin(); it != paths.cend(); ++it)
            QTest::newRow(qPrintable(it.key())) << it.key() << it.value();
    }

    void sourcesNameOnlyKnownImages()
    {
        QFETCH(QString, image);
        QFETCH(QString, file);
        const QFileInfo info(NxSkin::resourcePath(image));
        if (image.endsWith(QLatin1Char('/'))) {
            QVERIFY2(info.isDir(), qPrintable(file + QStringLiteral(": no folder ") + image));
            return;
        }
        QVERIFY2(info.isFile(), qPrintable(file + QStringLiteral(": no file ") + image));
        QVERIFY2(skinTable().contains(image),
                 qPrintable(file + QStringLiteral(": not in the skin table: ") + image));
    }

    void imageLayout_data()
    {
        QTest::addColumn<QString>("image");
        QTest::addColumn<int>("frames");
        QTest::addColumn<QSize>("frame");
        const QMap<QString, Layout> table = skinTable();
        for (auto it = table.cbegin(); it != table.cend(); ++it)
            addRow(qPrintable(it.key()), it.key(), it.value().frames, it.value().frame);
    }

    void imageLayout()
    {
        QFETCH(QString, image);
        QFETCH(int, frames);
        QFETCH(QSize, frame);
        const QImage strip =
            QImage(NxSkin::resourcePath(image)).convertToFormat(QImage::Format_ARGB32);
        QVERIFY2(!strip.isNull(), qPrintable(QStringLiteral("cannot load ") + image));
        QCOMPARE(strip.size(), QSize(frames * frame.width(), frame.height()));
        // Buttons are four-frame strips by the toolkit's convention.
        if (QFileInfo(image).fileName().startsWith(QLatin1String("btn_")))
            QCOMPARE(frames, 4);
        QList<QImage> parts;
        for (int i = 0; i < frames; ++i) {
            parts.append(strip.copy(i * frame.width(), 0, frame.width(), frame.height()));
            QVERIFY2(!fullyTransparent(parts.last()),
                     qPrintable(QStringLiteral("frame %1 is empty").arg(i)));
        }
        if (frames == 4) {
            // Hover, pressed and disabled must each look different from normal.
            for (int i = 1; i < 4; ++i)
                QVERIFY2(parts[i] != parts[0],
                         qPrintable(QStringLiteral("frame %1 equals the normal frame").arg(i)));
        }
    }

    void fonts_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("family");
        addRow("seven segment", "/Font/LCDFont.ttf", "LcdD");
        addRow("tahoma", "/Font/tahoma.ttf", "Tahoma");
        addRow("tahoma bold", "/Font/tahomabd.ttf", "Tahoma");
    }

    void fonts()
    {
        QFETCH(QString, file);
        QFETCH(QString, family);
        const int id = QFontDatabase::addApplicationFont(NxSkin::resourcePath(file));
        QVERIFY2(id >= 0, qPrintable(QStringLiteral("Qt refuses ") + file));
        QVERIFY(QFontDatabase::applicationFontFamilies(id).contains(family));
        // Asking for the family by name finds exactly this family.
        const QFontInfo info(QFont(family, 24));
        QCOMPARE(info.family(), family);
    }
};

QTEST_MAIN(TestSkinImages)
#include "tst_skinimages.moc"
