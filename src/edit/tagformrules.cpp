#include "tagformrules.h"

#include <QTextCodec>

#include "audiotagwriter.h"

namespace TagFormRules {

QStringList genreNames()
{
    // Values written into files, so they stay untranslated. "Altemative" is spelled the way
    // files tagged by earlier versions carry it.
    return {QStringLiteral("Altemative"),   QStringLiteral("Blues"),
            QStringLiteral("Books&Spoken"), QStringLiteral("Children's Music"),
            QStringLiteral("Classical"),    QStringLiteral("Comedy"),
            QStringLiteral("Dance"),        QStringLiteral("Electronic"),
            QStringLiteral("Folk"),         QStringLiteral("Hip Hop/Rap"),
            QStringLiteral("Holiday"),      QStringLiteral("House"),
            QStringLiteral("Industrial"),   QStringLiteral("Jazz"),
            QStringLiteral("Metal"),        QStringLiteral("Pop"),
            QStringLiteral("Podcast"),      QStringLiteral("R&B"),
            QStringLiteral("Religious"),    QStringLiteral("Rock"),
            QStringLiteral("Trance")};
}

QString displayText(const std::string& bytes)
{
    const QByteArray raw = QByteArray::fromStdString(bytes);
    if (isTagUtf8(bytes))
        return QString::fromUtf8(raw);
    return QTextCodec::codecForLocale()->toUnicode(raw);
}

QPair<QString, QString> splitNumberTotal(const std::string& text)
{
    QString whole = displayText(text);
    whole.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const int slash = whole.indexOf(QLatin1Char('/'));
    QString number = slash < 0 ? whole : whole.left(slash);
    QString total = slash < 0 ? QString() : whole.mid(slash + 1);
    if (number.isEmpty())
        number = QStringLiteral("0");
    if (total.isEmpty())
        total = QStringLiteral("0");
    return {number, total};
}

std::string joinNumberTotal(const QString& number, const QString& total)
{
    const int n = number.toInt();
    const int m = total.toInt();
    if (n <= 0)
        return {};
    if (m <= 0)
        return std::to_string(n);
    return std::to_string(n) + '/' + std::to_string(m);
}

QString displayYear(const VEAudioTagInfo& tags)
{
    return displayText(tags.year.empty() ? tags.date : tags.year).left(4);
}

std::string keepLoadedWhenSame(const std::string& edited, const std::string& loaded,
                               const std::string& loadedAsShown)
{
    return edited == loadedAsShown ? loaded : edited;
}

bool tagsChanged(const VEAudioTagInfo& loaded, const VEAudioTagInfo& now)
{
    // Every field but the flag, which no editor shows.
    VEAudioTagInfo withFlag = now;
    withFlag.flag = loaded.flag;
    return withFlag != loaded;
}

}  // namespace TagFormRules
