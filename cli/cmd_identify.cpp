// quillon identify FILE [--json]: the track of the local catalogue that the file's sound is,
// with its tags, the confidence of the match and where the file starts in the track; "no
// match" (and exit 1) when none is.

#include "commandregistry.h"

#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QThread>

#include <brisca/brisca.h>

#include <cstdio>

#include "cataloguechoice.h"

namespace {

const char* const kTagKeys[] = {
    "title", "artist",   "album_artist", "album",    "genre",     "track",  "disc",     "year",
    "date",  "composer", "comment",      "grouping", "copyright", "lyrics", "dvd_clip", "dvd_size"};

// Runs the recognizer on the file to its end: 1 matched, 0 no match (reason in *reason).
bool recognize(int32_t recognizer, const QString& path, QString* reason)
{
    if (!RecognizeFile(recognizer, path.toUtf8().constData()) || StartRecognizer(recognizer) != 1) {
        *reason = QString::fromUtf8(BriscaLastError());
        return false;
    }
    while (GetRecognizerState(recognizer) == BRISCA_RECOGNIZER_LISTENING)
        QThread::msleep(20);
    *reason = QString::fromUtf8(GetRecognizerReason(recognizer));
    return GetRecognizerState(recognizer) == BRISCA_RECOGNIZER_MATCHED;
}

QJsonObject describeMatch(int32_t recognizer)
{
    double confidence = 0;
    int64_t offsetUs = 0;
    GetRecognizedMatch(recognizer, &confidence, &offsetUs);
    QJsonObject tags;
    for (const char* key : kTagKeys) {
        if (const BriscaEntry* e = GetRecognizedTag(recognizer, key))
            tags.insert(
                QLatin1String(key),
                QString::fromUtf8(reinterpret_cast<const char*>(GetEntryData(e)), GetEntrySize(e)));
    }
    QJsonObject o{{QStringLiteral("match"), true},
                  {QStringLiteral("confidence"), qRound(confidence * 1000) / 1000.0},
                  {QStringLiteral("offset"), double(offsetUs) / 1e6},
                  {QStringLiteral("tags"), tags}};
    if (const BriscaEntry* cover = GetRecognizedTag(recognizer, "cover_image"))
        o.insert(QStringLiteral("cover_size"), GetEntrySize(cover));
    return o;
}

void printText(const QJsonObject& o)
{
    const QJsonObject tags = o.value(QStringLiteral("tags")).toObject();
    for (const char* key : kTagKeys) {
        if (tags.contains(QLatin1String(key)))
            std::printf("%s: %s\n", key,
                        tags.value(QLatin1String(key)).toString().toUtf8().constData());
    }
    if (o.contains(QStringLiteral("cover_size")))
        std::printf("cover: %d bytes\n", o.value(QStringLiteral("cover_size")).toInt());
    std::printf("confidence: %.3f\n", o.value(QStringLiteral("confidence")).toDouble());
    std::printf("offset: %.3f s\n", o.value(QStringLiteral("offset")).toDouble());
}

int run(const QStringList& arguments)
{
    QStringList args = arguments;
    if (!cli::applyCatalogueOption(&args))
        return 2;
    const bool json = args.removeAll(QStringLiteral("--json")) > 0;
    if (args.size() != 1 || args.first().startsWith(QLatin1String("--")))
        return cli::fail(
            QStringLiteral("usage: quillon identify FILE [--json] [--catalogue FILE]"));
    const QString path = args.first();
    if (!QFileInfo(path).isFile())
        return cli::fail(QStringLiteral("identify: %1: no such file").arg(path));
    const int32_t recognizer = CreateRecognizer(-1);
    QString reason;
    const bool matched = recognize(recognizer, path, &reason);
    QJsonObject o =
        matched ? describeMatch(recognizer) : QJsonObject{{QStringLiteral("match"), false}};
    DestroyRecognizer(recognizer);
    o.insert(QStringLiteral("file"), path);
    if (!reason.isEmpty())
        o.insert(QStringLiteral("reason"), reason);
    if (json)
        std::printf("%s", QJsonDocument(o).toJson().constData());
    else if (matched)
        printText(o);
    else
        std::printf("no match%s\n", reason.isEmpty() ? "" : (": " + reason).toUtf8().constData());
    return matched ? 0 : 1;
}

cli::CommandRegistration reg{{"identify", "FILE [--json] [--catalogue FILE]", &run}};

}  // namespace
