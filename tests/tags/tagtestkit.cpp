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
        codec = QStringList{QStringLiteral("-c:a"), QStringLiteral("alac")};
    else if (kind == QLatin1String("m4a-faststart"))
        codec = QStringList{QStringLiteral("-movflags"), QStringLiteral("+faststart")};
    else if (kind == QLatin1String("aac"))
        codec = QStringList{QStringLiteral("-c:a"), QStringLiteral("aac"), QStringLiteral("-f"),
                            QStringLiteral("adts")};
    else if (kind == QLatin1String("ogg-vorbis"))
        codec = QStringList{QStringLiteral("-c:a"), QStringLiteral("libvorbis")};
    return testmedia::ffmpeg(QStringList{QStringLiteral("-f"), QStringLiteral("lavfi"),
                                         QStringLiteral("-i"),
                                         QStringLiteral("sine=f=440:d=%1").arg(seconds),
                                         QStringLiteral("-ac"), QStringLiteral("2")} +
                             codec + QStringList{path});
}

QByteArray audioMd5(const QString& path)
{
    const testmedia::ToolResult r =
        testmedia::run(QStringLiteral("ffmpeg"),
                       {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-i"), path,
                        QStringLiteral("-map"), QStringLiteral("0:a"), QStringLiteral("-f"),
                        QStringLiteral("md5"), QStringLiteral("-")});
    return r.ok() ? r.out.trimmed() : QByteArray();
}

static QByteArray image(const QString& dir, const QString& name, const QString& source)
{
    const QString path = dir + QLatin1Char('/') + name;
    testmedia::ffmpeg({QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"), source,
                       QStringLiteral("-frames:v"), QStringLiteral("1"), QStringLiteral("-q:v"),
                       QStringLiteral("2"), path});
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

QJsonObject mutagenDump(const QString& path)
{
    const testmedia::ToolResult r =
        testmedia::run(kPython, {toolPath(), QStringLiteral("dump"), path});
    return r.ok() ? QJsonDocument::fromJson(r.out).object() : QJsonObject();
}

bool mutagenWrite(const QString& path, const QJsonObject& values, const QString& image)
{
    const QString json = QString::fromUtf8(QJsonDocument(values).toJson(QJsonDocument::Compact));
    const testmedia::ToolResult r =
        testmedia::run(kPython, {toolPath(), QStringLiteral("write"), path, json, image});
    if (!r.ok())
        qWarning("mutagen: %s", r.err.constData());
    return r.ok();
}

QJsonObject mutagenApeDump(const QString& path)
{
    const testmedia::ToolResult r =
        testmedia::run(kPython, {toolPath(), QStringLiteral("ape-dump"), path});
    return r.ok() ? QJsonDocument::fromJson(r.out).object() : QJsonObject();
}

bool mutagenApeWrite(const QString& path, const QJsonObject& items)
{
    const QString json = QString::fromUtf8(QJsonDocument(items).toJson(QJsonDocument::Compact));
    return testmedia::run(kPython, {toolPath(), QStringLiteral("ape-write"), path, json}).ok();
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
