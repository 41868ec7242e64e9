#include "nxinfomanager.h"

#include <QFile>

#include <brisca/brisca.h>

#include "audiotagwriter.h"
#include "nxinfoclass.h"
#include "tagsavecatalogue.h"
#include "timetext.h"

namespace {

struct TagKey {
    const char* key;
    std::string VEAudioTagInfo::*field;
};

const TagKey kReadOrder[] = {
    {"title", &VEAudioTagInfo::title},
    {"artist", &VEAudioTagInfo::artist},
    {"album_artist", &VEAudioTagInfo::albumArtist},
    {"composer", &VEAudioTagInfo::composer},
    {"album", &VEAudioTagInfo::album},
    {"genre", &VEAudioTagInfo::genre},
    {"disc", &VEAudioTagInfo::disc},
    {"track", &VEAudioTagInfo::track},
    {"year", &VEAudioTagInfo::year},
    {"date", &VEAudioTagInfo::date},
    {"grouping", &VEAudioTagInfo::grouping},
    {"comment", &VEAudioTagInfo::comment},
    {"copyright", &VEAudioTagInfo::copyright},
};

std::string entryText(const BriscaEntry* entry)
{
    return entry ? std::string(reinterpret_cast<const char*>(GetEntryData(entry))) : std::string();
}

}  // namespace

NxInfoManager::NxInfoManager(QObject* parent) : QObject(parent)
{
    // Tag sets and chapter rows travel through queued signals of the objects built on this.
    qRegisterMetaType<VEAudioTagInfo>();
    qRegisterMetaType<ChapterEntry>();
}

NxInfoManager::~NxInfoManager()
{
    delete m_info;
}

void NxInfoManager::ensureInfoObject()
{
    if (m_info && m_info->handle())
        return;
    delete m_info;
    m_info = new NxInfoClass;
}

bool NxInfoManager::open(const QString& path, int mode, bool alternative)
{
    m_path = path;
    m_error.clear();
    if (!QFile::exists(path) || !m_info || !m_info->handle()) {
        m_error = QStringLiteral("'%1' does not exist").arg(path);
        return false;
    }
    const QByteArray utf8 = path.toUtf8();
    const bool opened = alternative ? m_info->OpenMediaInfoDisc(utf8) : m_info->OpenMediaInfo(utf8);
    if (!opened)
        m_error = m_info->lastError();
    return m_info->SelectDiscTitle(mode);
}

VEAudioTagInfo NxInfoManager::readTags() const
{
    VEAudioTagInfo tags;
    if (!m_info)
        return tags;
    for (const TagKey& k : kReadOrder)
        tags.*(k.field) = entryText(m_info->GetMetadataEntry(k.key));
    if (const BriscaEntry* cover = m_info->GetMetadataEntry("cover_image")) {
        tags.coverBytes.assign(reinterpret_cast<const char*>(GetEntryData(cover)),
                               size_t(GetEntrySize(cover)));
        tags.coverSize = GetEntrySize(cover);
    }
    if (tags.year.empty())
        tags.year = tags.date;
    if (tags.date.empty())
        tags.date = tags.year;
    return tags;
}

QByteArray NxInfoManager::coverBytes() const
{
    const BriscaEntry* cover = m_info ? m_info->GetMetadataEntry("cover_image") : nullptr;
    if (!cover)
        return {};
    return QByteArray(reinterpret_cast<const char*>(GetEntryData(cover)), GetEntrySize(cover));
}

QByteArray NxInfoManager::pictureFrameBmp() const
{
    if (!m_info || !m_info->HasVideoStream())
        return {};
    const uint8_t* bmp = m_info->ExtractVideoFrame();
    if (!bmp)
        return {};
    uint32_t size = 0;
    for (int i = 0; i < 4; ++i)
        size |= uint32_t(bmp[2 + i]) << (8 * i);  // the BMP header's file size
    QByteArray out(reinterpret_cast<const char*>(bmp), int(size));
    m_info->ReleaseVideoFrame(bmp);
    return out;
}

QList<ChapterEntry> NxInfoManager::chapters() const
{
    QList<ChapterEntry> rows;
    if (!m_info || !m_info->handle())
        return rows;
    const int32_t count = m_info->GetChapterCount();
    if (count <= 0)
        return rows;
    ChapterEntry whole;
    whole.index = 0;
    whole.durationUs = m_info->GetMediaDuration();
    whole.endUs = whole.durationUs;
    whole.label =
        tr("%1, %2-%3").arg(tr("Current"), clockText(0), clockText(whole.endUs)).toStdString();
    rows.append(whole);
    for (int32_t i = 0; i < count; ++i) {
        ChapterEntry c;
        c.index = i + 1;
        c.startUs = m_info->GetChapterStart(i);
        c.durationUs = m_info->GetChapterDuration(i);
        c.endUs = c.startUs + c.durationUs;
        c.title = m_info->GetChapterValue(i).toStdString();
        const QString number =
            c.index < 10 ? QStringLiteral("  %1").arg(c.index) : QString::number(c.index);
        c.label = QStringLiteral("%1, %2-%3 (%4)")
                      .arg(number, clockText(c.startUs), clockText(c.endUs),
                           QString::fromStdString(c.title))
                      .toStdString();
        rows.append(c);
    }
    return rows;
}

bool NxInfoManager::writeTags(const VEAudioTagInfo& tags, QString* error)
{
    if (!writeAudioTags(m_path, tags, error))
        return false;
    tagsavecatalogue::add(m_path, tags);
    return true;
}
