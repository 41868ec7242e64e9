#include "tagtestkit.h"

#include "tagfile.h"
#include "testfiles.h"
#include "testmedia.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>

namespace tagtest {

static const QString kPython = QStringLiteral("/usr/bin/python3");

static QString toolPath()
{
    return testmedia::sourceDir() + QStringLiteral("/tests/tags/mutagen_tool.py");
}

bool makeMedia(const QString& kind, const QString& path, double seconds)
{
    QStringList codec;
    if (kind == QLatin1String("m4a-alac"))
        codec = QStringList{"-c:a", "alac"};
    else if (kind == QLatin1String("m4a-faststart"))
        codec = QStringList{"-movflags", "+faststart"};
    else if (kind == QLatin1String("aac"))
        codec = QStringList{"-c:a", "aac", "-f", "adts"};
    else if (kind == QLatin1String("ogg-vorbis"))
        codec = QStringList{"-c:a", "libvorbis"};
    return testmedia::ffmpeg(QStringList{"-f", "lavfi", "-i",
                                         QStringLiteral("sine=f=440:d=%1").arg(seconds), "-ac",
                                         "2"} +
                             codec + QStringList{path});
}

QByteArray audioMd5(const QString& path)
{
    const testmedia::ToolResult r = testmedia::run(
        QStringLiteral("ffmpeg"), {"-v", "error", "-i", path, "-map", "0:a", "-f", "md5", "-"});
    return r.ok() ? r.out.trimmed() : QByteArray();
}

static QByteArray image(const QString& dir, const QString& name, const QString& source)
{
    const QString path = dir + QLatin1Char('/') + name;
    testmedia::ffmpeg({"-f", "lavfi", "-i", source, "-frames:v", "1", "-q:v", "2", path});
    return testfiles::readFile(path);
}

QByteArray bigJpeg(const QString& dir)
{
    return image(dir, QStringLiteral("cover.jpg"),
                 QStringLiteral("nullsrc=s=800x600,geq=random(1)*255:128:128"));
}

QByteArray smallPng(const QString& dir)
{
    return image(dir, QStringLiteral("small.png"), QStringLiteral("testsrc=s=32x32"));
}

QJsonValue mutagenTool(const QStringList& args)
{
    const testmedia::ToolResult r = testmedia::run(kPython, QStringList{toolPath()} + args);
    if (!r.ok()) {
        qWarning("mutagen: %s", r.err.constData());
        return QJsonValue();
    }
    if (r.out.trimmed().isEmpty())
        return QJsonValue(true);
    const QJsonDocument doc = QJsonDocument::fromJson(r.out);
    return doc.isArray() ? QJsonValue(doc.array()) : QJsonValue(doc.object());
}

QString json(const QJsonObject& object)
{
    return QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact));
}

QJsonObject mutagenDump(const QString& path)
{
    return mutagenTool({"dump", path}).toObject();
}

bool mutagenWrite(const QString& path, const QJsonObject& values, const QString& image)
{
    return !mutagenTool({"write", path, json(values), image}).isNull();
}

QJsonObject mutagenApeDump(const QString& path)
{
    return mutagenTool({"ape-dump", path}).toObject();
}

bool mutagenApeWrite(const QString& path, const QJsonObject& items)
{
    return !mutagenTool({"ape-write", path, json(items)}).isNull();
}

QJsonObject probeTags(const QString& path)
{
    const QJsonObject all = testmedia::probe(path);
    QJsonObject tags;
    auto merge = [&](const QJsonObject& o) {
        for (auto it = o.begin(); it != o.end(); ++it)
            tags.insert(it.key().toLower(), it.value());
    };
    merge(all.value(QStringLiteral("format")).toObject().value(QStringLiteral("tags")).toObject());
    for (const QJsonValue& s : all.value(QStringLiteral("streams")).toArray())
        merge(s.toObject().value(QStringLiteral("tags")).toObject());
    return tags;
}

std::u16string u16(const QString& s)
{
    return s.toStdU16String();
}

QString readField(const QString& path, tags::Field field)
{
    tags::TagFile file;
    if (file.open(u16(path)) != 0)
        return QStringLiteral("<cannot open>");
    return QString::fromStdString(file.fieldUtf8(field));
}

}  // namespace tagtest
