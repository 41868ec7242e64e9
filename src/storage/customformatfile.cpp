// The per-format custom encoder values ("AudioDefaultFormatSetting.xml") and the screenshot
// settings of the edit dialog ("VedioEditDefaultSetting.xml").

#include "parserxml.h"

#include <QFileInfo>

#include "xmlfileio.h"
#include "xmlfilelock.h"

namespace {

const QString kFormatTag = QStringLiteral("FORMAT_");
const QString kFormatIdAttr = QStringLiteral("Format_ID");
const QString kCustomTag = QStringLiteral("Format_Custom");
const QString kScreenshotsTag = QStringLiteral("Screenshots");

QDomElement findFormatElement(const QDomElement& root, const QString& formatId)
{
    for (QDomElement e = root.firstChildElement(kFormatTag); !e.isNull();
         e = e.nextSiblingElement(kFormatTag)) {
        if (e.attribute(kFormatIdAttr) == formatId)
            return e;
    }
    return QDomElement();
}

// A screenshot key: like a settings read, except that a new file and an empty value receive the
// default so the file always shows what is in effect.
QString screenshotValue(const QString& attribute, const QString& defaultValue)
{
    const QString path = ParserXML::screenshotFilePath();
    XmlFileLock lock(path);
    QDomDocument document;
    if (QFileInfo::exists(path)) {
        if (readXmlFile(path, document) == XmlReadResult::Unreadable)
            return defaultValue;
    } else {
        document = emptyRootDocument();
        QDomElement element = document.createElement(kScreenshotsTag);
        element.setAttribute(attribute, defaultValue);
        document.documentElement().appendChild(element);
    }

    QDomElement root = rootElement(document);
    QString result = defaultValue;
    QDomElement found = root.firstChildElement(kScreenshotsTag);
    if (found.isNull()) {
        root.appendChild(document.createElement(kScreenshotsTag));
    } else {
        const QString value = found.attribute(attribute);
        if (value.isEmpty())
            found.setAttribute(attribute, defaultValue);
        else
            result = value;
    }
    writeXmlFile(document, path);
    return result;
}

}  // namespace

namespace ParserXML {

void saveCustomFormat(const QString& formatId, const CustomFormatSettings& settings)
{
    const QString path = formatFilePath();
    XmlFileLock lock(path);
    QDomDocument document;
    if (!QFileInfo::exists(path))
        document = emptyRootDocument();
    else if (readXmlFile(path, document) == XmlReadResult::Unreadable)
        return;

    QDomElement root = rootElement(document);
    QDomElement format = findFormatElement(root, formatId);
    if (format.isNull()) {
        format = document.createElement(kFormatTag);
        format.setAttribute(kFormatIdAttr, formatId);
        root.appendChild(format);
    }
    QDomElement custom = format.firstChildElement();
    if (custom.isNull()) {
        custom = document.createElement(kCustomTag);
        format.appendChild(custom);
    }
    custom.setAttribute(QStringLiteral("OnlyAudio"), boolText(settings.onlyAudio));
    custom.setAttribute(QStringLiteral("V_Encoder"), settings.videoEncoder);
    custom.setAttribute(QStringLiteral("V_Resolution"), settings.videoResolution);
    custom.setAttribute(QStringLiteral("V_FrameRate"), settings.videoFrameRate);
    custom.setAttribute(QStringLiteral("V_BitRate"), settings.videoBitRate);
    custom.setAttribute(QStringLiteral("V_Quality"), settings.videoQuality);
    custom.setAttribute(QStringLiteral("A_Encoder"), settings.audioEncoder);
    custom.setAttribute(QStringLiteral("A_Channel"), settings.audioChannels);
    custom.setAttribute(QStringLiteral("A_SampleRate"), settings.audioSampleRate);
    custom.setAttribute(QStringLiteral("A_BitRate"), settings.audioBitRate);
    writeXmlFile(document, path);
}

CustomFormatSettings loadCustomFormat(const QString& formatId)
{
    CustomFormatSettings settings;
    const QString path = formatFilePath();
    XmlFileLock lock(path);
    QDomDocument document;
    if (readXmlFile(path, document) == XmlReadResult::Unreadable)
        return settings;
    const QDomElement format = findFormatElement(rootElement(document), formatId);
    const QDomElement custom = format.firstChildElement();
    if (custom.isNull())
        return settings;
    settings.onlyAudio = isTrueText(custom.attribute(QStringLiteral("OnlyAudio")));
    settings.videoEncoder = custom.attribute(QStringLiteral("V_Encoder"));
    settings.videoResolution = custom.attribute(QStringLiteral("V_Resolution"));
    settings.videoFrameRate = custom.attribute(QStringLiteral("V_FrameRate"));
    settings.videoBitRate = custom.attribute(QStringLiteral("V_BitRate"));
    settings.videoQuality = custom.attribute(QStringLiteral("V_Quality"));
    settings.audioEncoder = custom.attribute(QStringLiteral("A_Encoder"));
    settings.audioChannels = custom.attribute(QStringLiteral("A_Channel"));
    settings.audioSampleRate = custom.attribute(QStringLiteral("A_SampleRate"));
    settings.audioBitRate = custom.attribute(QStringLiteral("A_BitRate"));
    return settings;
}

void setFormatAttribute(const QString& formatId, const QString& attribute, const QString& value)
{
    const QString path = formatFilePath();
    XmlFileLock lock(path);
    QDomDocument document;
    if (readXmlFile(path, document) == XmlReadResult::Unreadable)
        return;
    QDomElement format = findFormatElement(rootElement(document), formatId);
    if (format.isNull())
        return;
    format.setAttribute(attribute, value);
    writeXmlFile(document, path);
}

QString getFormatAttribute(const QString& formatId, const QString& attribute,
                           const QString& defaultValue)
{
    const QString path = formatFilePath();
    XmlFileLock lock(path);
    QDomDocument document;
    if (readXmlFile(path, document) == XmlReadResult::Unreadable)
        return defaultValue;
    const QString value = findFormatElement(rootElement(document), formatId).attribute(attribute);
    return value.isEmpty() ? defaultValue : value;
}

QString getScreenshotSuffix()
{
    return screenshotValue(QStringLiteral("IMG_SUFFIX"), QStringLiteral("JPG"));
}

void setScreenshotSuffix(const QString& suffix)
{
    setSettingValue(kScreenshotsTag, QStringLiteral("IMG_SUFFIX"), suffix, screenshotFilePath());
}

QString getScreenshotFolder()
{
    return screenshotValue(QStringLiteral("IMG_Folder"),
                           documentsFolder() + QStringLiteral("/Converted/Screenshots/"));
}

void setScreenshotFolder(const QString& folder)
{
    setSettingValue(kScreenshotsTag, QStringLiteral("IMG_Folder"), folder, screenshotFilePath());
}

}  // namespace ParserXML
