// quillon info: what a media file holds: format, codec, duration, rate, channels, bit rate,
// tags, cover (type and size) and chapters, as text or JSON.

#include "commandregistry.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <brisca/brisca.h>

#include <cstdio>

#include "nxinfoclass.h"
#include "nxinfomanager.h"
#include "timetext.h"

namespace {

const char* kStreamKinds[] = {"video", "audio", "data", "subtitle", "attachment"};

QString coverType(const QByteArray& bytes)
{
    if (bytes.startsWith("\xFF\xD8\xFF"))
        return QStringLiteral("image/jpeg");
    if (bytes.startsWith("\x89PNG"))
        return QStringLiteral("image/png");
    if (bytes.startsWith("GIF8"))
        return QStringLiteral("image/gif");
    if (bytes.startsWith("BM"))
        return QStringLiteral("image/bmp");
    if (bytes.startsWith("RIFF") && bytes.mid(8, 4) == "WEBP")
        return QStringLiteral("image/webp");
    return QStringLiteral("application/octet-stream");
}

QString entryText(NxInfoClass& info, const char* key)
{
    const BriscaEntry* e = info.GetMetadataEntry(key);
    return e ? QString::fromUtf8(reinterpret_cast<const char*>(GetEntryData(e))) : QString();
}

QJsonObject streamJson(int index, const BriscaStreamInfo& s)
{
    QJsonObject o{{QStringLiteral("index"), index},
                  {QStringLiteral("type"),
                   QLatin1String(s.kind >= 0 && s.kind < 5 ? kStreamKinds[s.kind] : "unknown")},
                  {QStringLiteral("codec"), QString::fromUtf8(s.codecName)}};
    if (s.kind == 1) {
        o.insert(QStringLiteral("sample_rate"), s.rateHz);
        o.insert(QStringLiteral("channels"), s.channels);
    } else if (s.kind == 0) {
        o.insert(QStringLiteral("width"), s.width);
        o.insert(QStringLiteral("height"), s.height);
        o.insert(QStringLiteral("attached_picture"), s.attachedPicture != 0);
    }
    if (s.bitRate > 0)
        o.insert(QStringLiteral("bit_rate"), double(s.bitRate));
    return o;
}

// Everything `info` prints, as one JSON object (the text form is made from it too).
QJsonObject describe(const QString& path, NxInfoManager& manager)
{
    NxInfoClass& info = *manager.info();
    const int32_t handle = info.handle();
    QJsonObject o{{QStringLiteral("file"), path},
                  {QStringLiteral("format"), entryText(info, "ffmpeg_format")},
                  {QStringLiteral("duration"), double(GetMediaDuration(handle)) / 1e6},
                  {QStringLiteral("bit_rate"), double(GetMediaBitRate(handle))}};
    const QString brand = entryText(info, "major_brand").trimmed();
    if (!brand.isEmpty())
        o.insert(QStringLiteral("major_brand"), brand);
    QJsonArray streams;
    for (int32_t i = 0; i < GetMediaStreamCount(handle); ++i) {
        BriscaStreamInfo s{};
        GetMediaStreamInfo(handle, i, &s);
        streams.append(streamJson(i, s));
        if (s.kind == 1 && !o.contains(QStringLiteral("codec"))) {
            o.insert(QStringLiteral("codec"), QString::fromUtf8(s.codecName));
            o.insert(QStringLiteral("sample_rate"), s.rateHz);
            o.insert(QStringLiteral("channels"), s.channels);
        }
    }
    o.insert(QStringLiteral("streams"), streams);
    QJsonObject tags;
    for (int32_t i = 0; const char* key = GetMetadataKeyAt(handle, i); ++i)
        tags.insert(QString::fromUtf8(key), entryText(info, key));
    o.insert(QStringLiteral("tags"), tags);
    const QByteArray cover = manager.coverBytes();
    if (!cover.isEmpty())
        o.insert(QStringLiteral("cover"), QJsonObject{{QStringLiteral("type"), coverType(cover)},
                                                      {QStringLiteral("size"), cover.size()}});
    QJsonArray chapters;
    for (const ChapterEntry& c : manager.chapters()) {
        if (c.index == 0)
            continue;
        chapters.append(QJsonObject{{QStringLiteral("index"), c.index},
                                    {QStringLiteral("start"), double(c.startUs) / 1e6},
                                    {QStringLiteral("duration"), double(c.durationUs) / 1e6},
                                    {QStringLiteral("end"), double(c.endUs) / 1e6},
                                    {QStringLiteral("title"), QString::fromStdString(c.title)}});
    }
    o.insert(QStringLiteral("chapters"), chapters);
    return o;
}

void line(const QString& text)
{
    std::printf("%s\n", text.toUtf8().constData());
}

QString usText(double seconds)
{
    return clockTextMs(uint64_t(seconds * 1e6 + 0.5));
}

void printText(const QJsonObject& o)
{
    auto str = [&](const char* k) { return o.value(QLatin1String(k)).toString(); };
    auto num = [&](const char* k) { return o.value(QLatin1String(k)).toDouble(); };
    line(QStringLiteral("file: %1").arg(str("file")));
    line(QStringLiteral("format: %1%2")
             .arg(str("format"), o.contains(QStringLiteral("major_brand"))
                                     ? QStringLiteral(" (brand %1)").arg(str("major_brand"))
                                     : QString()));
    if (o.contains(QStringLiteral("codec")))
        line(QStringLiteral("codec: %1, %2 Hz, %3 channels")
                 .arg(str("codec"))
                 .arg(num("sample_rate"))
                 .arg(num("channels")));
    line(QStringLiteral("duration: %1").arg(usText(num("duration"))));
    if (num("bit_rate") > 0)
        line(QStringLiteral("bit rate: %1 kbit/s").arg(qRound(num("bit_rate") / 1000)));
    for (const QJsonValue& v : o.value(QStringLiteral("streams")).toArray()) {
        const QJsonObject s = v.toObject();
        line(QStringLiteral("stream %1: %2, %3")
                 .arg(s.value(QStringLiteral("index")).toInt())
                 .arg(s.value(QStringLiteral("type")).toString(),
                      s.value(QStringLiteral("codec")).toString()));
    }
    const QJsonObject tags = o.value(QStringLiteral("tags")).toObject();
    for (auto it = tags.begin(); it != tags.end(); ++it)
        line(QStringLiteral("tag %1: %2").arg(it.key(), it.value().toString()));
    const QJsonObject cover = o.value(QStringLiteral("cover")).toObject();
    if (!cover.isEmpty())
        line(QStringLiteral("cover: %1, %2 bytes")
                 .arg(cover.value(QStringLiteral("type")).toString())
                 .arg(cover.value(QStringLiteral("size")).toInt()));
    for (const QJsonValue& v : o.value(QStringLiteral("chapters")).toArray()) {
        const QJsonObject c = v.toObject();
        line(QStringLiteral("chapter %1: %2-%3 %4")
                 .arg(c.value(QStringLiteral("index")).toInt())
                 .arg(usText(c.value(QStringLiteral("start")).toDouble()),
                      usText(c.value(QStringLiteral("end")).toDouble()),
                      c.value(QStringLiteral("title")).toString()));
    }
}

int run(const QStringList& args)
{
    QString path;
    bool json = false;
    for (const QString& a : args) {
        if (a == QLatin1String("--json"))
            json = true;
        else if (a.startsWith(QLatin1String("--")) || !path.isEmpty())
            return cli::fail(QStringLiteral("info: unexpected argument '%1'").arg(a));
        else
            path = a;
    }
    if (path.isEmpty())
        return cli::fail(QStringLiteral("info: missing FILE"));
    if (!QFileInfo(path).isFile())
        return cli::fail(QStringLiteral("info: %1: no such file").arg(path));
    NxInfoManager manager;
    manager.ensureInfoObject();
    if (!manager.open(path))
        return cli::fail(QStringLiteral("info: %1").arg(manager.lastError()));
    const QJsonObject o = describe(path, manager);
    if (json)
        std::printf("%s", QJsonDocument(o).toJson().constData());
    else
        printText(o);
    return 0;
}

cli::CommandRegistration reg{{"info", "FILE [--json]", &run}};

}  // namespace
