#include "cataloguetrackidentifier.h"

#include <QTimer>

#include <brisca/brisca.h>

namespace {

QByteArray entry(int32_t recognizer, const char* key)
{
    const BriscaEntry* e = GetRecognizedTag(recognizer, key);
    return e ? QByteArray(reinterpret_cast<const char*>(GetEntryData(e)), int(GetEntrySize(e)))
             : QByteArray();
}

}  // namespace

CatalogueTrackIdentifier::CatalogueTrackIdentifier(QObject* parent)
    : TrackIdentifier(parent), m_recognizer(CreateRecognizer(-1)), m_poll(new QTimer(this))
{
    qRegisterMetaType<TrackIdentification>();
    m_poll->setInterval(kPollMs);
    connect(m_poll, &QTimer::timeout, this, &CatalogueTrackIdentifier::poll);
}

CatalogueTrackIdentifier::~CatalogueTrackIdentifier()
{
    DestroyRecognizer(m_recognizer);
}

void CatalogueTrackIdentifier::identify(const TrackQuery& query)
{
    const quint64 id = ++m_query;
    CloseRecognizer(m_recognizer);
    // A file that cannot be opened ends as "no match" at the first poll, with the reason.
    if (!RecognizeFile(m_recognizer, query.filePath.toUtf8().constData()) ||
        StartRecognizer(m_recognizer) != 1) {
        const QString why = query.filePath.isEmpty()
                                ? tr("the local catalogue needs the sound's file")
                                : QString::fromUtf8(BriscaLastError());
        m_poll->stop();
        QTimer::singleShot(0, this, [this, id, why] {
            if (id == m_query)
                finish(TrackIdentification::noMatch(why));
        });
        return;
    }
    m_poll->start();
}

void CatalogueTrackIdentifier::poll()
{
    const int32_t state = GetRecognizerState(m_recognizer);
    if (state == BRISCA_RECOGNIZER_MATCHED)
        finish(result());
    else if (state != BRISCA_RECOGNIZER_LISTENING)
        finish(TrackIdentification::noMatch(QString::fromUtf8(GetRecognizerReason(m_recognizer))));
}

TrackIdentification CatalogueTrackIdentifier::result() const
{
    TrackIdentification found;
    found.matched = true;
    GetRecognizedMatch(m_recognizer, &found.score, nullptr);
    found.title = QString::fromUtf8(entry(m_recognizer, "title"));
    found.artist = QString::fromUtf8(entry(m_recognizer, "artist"));
    found.album = QString::fromUtf8(entry(m_recognizer, "album"));
    found.genre = QString::fromUtf8(entry(m_recognizer, "genre"));
    found.date = QString::fromUtf8(entry(m_recognizer, "date"));
    found.cover = entry(m_recognizer, "cover_image");
    return found;
}

void CatalogueTrackIdentifier::finish(const TrackIdentification& result)
{
    m_poll->stop();
    CloseRecognizer(m_recognizer);
    emit identified(result);
}
