#include "nxinfoclass.h"

#include <brisca/brisca.h>

NxInfoClass::NxInfoClass(QObject* parent) : QObject(parent), m_handle(CreateMediaInfo(-1)) {}

NxInfoClass::~NxInfoClass()
{
    if (m_handle) {
        CloseMediaInfo(m_handle);
        DestroyMediaInfo(m_handle);
        m_handle = 0;
    }
}

bool NxInfoClass::OpenMediaInfo(const QByteArray& utf8Path)
{
    return m_handle && ::OpenMediaInfo(m_handle, utf8Path.constData()) != 0;
}

bool NxInfoClass::OpenMediaInfoDisc(const QByteArray& utf8Path)
{
    return m_handle && ::OpenMediaInfoDisc(m_handle, utf8Path.constData()) != 0;
}

bool NxInfoClass::SelectDiscTitle(int32_t title)
{
    return m_handle && ::SelectDiscTitle(m_handle, title) != 0;
}

bool NxInfoClass::HasVideoStream()
{
    return m_handle && ::HasVideoStream(m_handle) != 0;
}

int32_t NxInfoClass::GetMediaInfoValueA()
{
    return m_handle ? ::GetMediaInfoValueA(m_handle) : 0;
}

int32_t NxInfoClass::GetMediaInfoValueB()
{
    return m_handle ? ::GetMediaInfoValueB(m_handle) : 0;
}

const BriscaEntry* NxInfoClass::GetMetadataEntry(const char* key)
{
    return m_handle ? ::GetMetadataEntry(m_handle, key) : nullptr;
}

const uint8_t* NxInfoClass::ExtractVideoFrame(int64_t positionUs)
{
    return m_handle ? ::ExtractVideoFrame(m_handle, positionUs, 0, 0, nullptr, nullptr, nullptr)
                    : nullptr;
}

void NxInfoClass::ReleaseVideoFrame(const uint8_t* bmp)
{
    if (m_handle)
        ::ReleaseVideoFrame(m_handle, bmp);
}

bool NxInfoClass::IsAudioTrackIndexValid(int32_t index)
{
    return m_handle && ::IsAudioTrackIndexValid(m_handle, index) != 0;
}

bool NxInfoClass::IsSubtitleIndexValid(int32_t index)
{
    return m_handle && ::IsSubtitleIndexValid(m_handle, index) != 0;
}

QString NxInfoClass::GetSubtitleInfoValue(int32_t index)
{
    const char* text = m_handle ? ::GetSubtitleInfoValue(m_handle, index) : nullptr;
    return text ? QString::fromUtf8(text) : QString();
}

int32_t NxInfoClass::GetChapterCount()
{
    return m_handle ? ::GetChapterCount(m_handle) : 0;
}

uint64_t NxInfoClass::GetChapterStart(int32_t index)
{
    return m_handle ? uint64_t(std::max<int64_t>(0, ::GetChapterStart(m_handle, index))) : 0;
}

uint64_t NxInfoClass::GetChapterDuration(int32_t index)
{
    return m_handle ? uint64_t(std::max<int64_t>(0, ::GetChapterDuration(m_handle, index))) : 0;
}

QString NxInfoClass::GetChapterValue(int32_t index)
{
    const char* text = m_handle ? ::GetChapterValue(m_handle, index) : nullptr;
    return text ? QString::fromUtf8(text) : QString();
}

uint64_t NxInfoClass::GetMediaDuration()
{
    return m_handle ? uint64_t(std::max<int64_t>(0, ::GetMediaDuration(m_handle))) : 0;
}

QString NxInfoClass::lastError() const
{
    return QString::fromUtf8(BriscaLastError());
}
