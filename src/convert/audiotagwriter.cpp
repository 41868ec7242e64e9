#include "audiotagwriter.h"

#include <QTextCodec>

#include "tagfile.h"

namespace {

struct TagSlot {
    int slot;
    std::string VEAudioTagInfo::*text;
};

const TagSlot kSlots[] = {
    {0, &VEAudioTagInfo::title},        {1, &VEAudioTagInfo::artist},
    {2, &VEAudioTagInfo::album},        {3, &VEAudioTagInfo::genre},
    {4, &VEAudioTagInfo::year},         {5, &VEAudioTagInfo::track},
    {6, &VEAudioTagInfo::comment},      {7, &VEAudioTagInfo::copyright},
    {10, &VEAudioTagInfo::albumArtist}, {11, &VEAudioTagInfo::composer},
    {12, &VEAudioTagInfo::grouping},    {13, &VEAudioTagInfo::disc},
};

QString decodeText(const std::string& bytes)
{
    const QByteArray raw = QByteArray::fromStdString(bytes);
    if (isTagUtf8(bytes))
        return QString::fromUtf8(raw);
    return QTextCodec::codecForLocale()->toUnicode(raw);
}

}  // namespace

bool isTagUtf8(const std::string& text)
{
    for (size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        size_t follow = 0;
        if (lead < 0x80)
            follow = 0;
        else if ((lead & 0xE0) == 0xC0)
            follow = 1;
        else if ((lead & 0xF0) == 0xE0)
            follow = 2;
        else
            return false;
        for (size_t k = 1; k <= follow; ++k) {
            if (i + k >= text.size() || (static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80)
                return false;
        }
        i += follow + 1;
    }
    return true;
}

bool writeAudioTags(const QString& path, const VEAudioTagInfo& tags, QString* error)
{
    const std::u16string widePath = path.toStdU16String();
    if (widePath.empty()) {
        if (error)
            *error = QStringLiteral("no file to write tags into");
        return false;
    }
    tags::TagFile file;
    if (file.open(widePath) != 0) {
        if (error)
            *error = QStringLiteral("cannot open %1 to write its tags").arg(path);
        return false;
    }
    for (const TagSlot& s : kSlots) {
        const std::string& bytes = tags.*(s.text);
        if (bytes.empty())
            continue;
        const std::u16string text = decodeText(bytes).toStdU16String();
        if (!text.empty())
            file.setTextField(s.slot, text.c_str(), int(text.size() * 2));
    }
    if (tags.coverSize > 0 && size_t(tags.coverSize) <= tags.coverBytes.size())
        file.setCover(tags.coverBytes.data(), tags.coverSize, 1);
    if (file.save() != 0) {
        if (error)
            *error = QStringLiteral("cannot save the tags of %1").arg(path);
        return false;
    }
    return true;
}
