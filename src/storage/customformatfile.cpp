// The per-format custom encoder values ("AudioDefaultFormatSetting.xml") and the screenshot
// settings of the edit dialog ("VedioEditDefaultSetting.xml").

#include "parserxml.h"

#include "xmlfileio.h"

using namespace XmlStore;

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
    QString result = defaultValue;
    editXmlFile(ParserXML::screenshotFilePath(), IfMissing::StartEmpty,
                [&](QDomDocument& document) {
                    QDomElement root = rootElement(document);
                    QDomElement found = root.firstChildElement(kScreenshotsTag);
                    if (found.isNull()) {
                        found = document.createElement(kScreenshotsTag);
                        root.appendChild(found);
                    }
                    const QString value = found.attribute(attribute);
                    if (value.isEmpty())
                        found.setAttribute(attribute, defaultValue);
                    else
                        result = value;
                    return true;
                });
    return result;
}

void fillCustomElement(QDomElement& custom, const CustomFormatSettings& settings)
{
    custom.setAttribute(QStringLiteral("OnlyAudio"), ParserXML::boolText(settings.onlyAudio));
    custom.setAttribute(QStringLiteral("V_Encoder"), settings.videoEncoder);
    custom.setAttribute(QStringLiteral("V_Resolution"), settings.videoResolution);
    custom.setAttribute(QStringLiteral("V_FrameRate"), settings.videoFrameRate);
    custom.setAttribute(QStringLiteral("V_BitRate"), settings.videoBitRate);
    custom.setAttribute(QStringLiteral("V_Quality"), settings.videoQuality);
    custom.setAttribute(QStringLiteral("A_Encoder"), settings.audioEncoder);
    custom.setAttribute(QStringLiteral("A_Channel"), settings.audioChannels);
    custom.setAttribute(QStringLiteral("A_SampleRate"), settings.audioSampleRate);
    custom.setAttribute(QStringLiteral("A_BitRate"), settings.audioBitRate);
}

CustomFormatSettings customFromElement(const QDomElement& custom)
{
    CustomFormatSettings settings;
    settings.onlyAudio = ParserXML::isTrueText(custom.attribute(QStringLiteral("OnlyAudio")));
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

}  // namespace

namespace ParserXML {

bool saveCustomFormat(const QString& formatId, const CustomFormatSettings& settings)
{
    return editXmlFile(formatFilePath(), IfMissing::StartEmpty, [&](QDomDocument& document) {
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
        fillCustomElement(custom, settings);
        return true;
    });
}

CustomFormatSettings loadCustomFormat(const QString& formatId)
{
    CustomFormatSettings settings;
    inspectXmlFile(formatFilePath(), [&](const QDomDocument& document) {
        const QDomElement custom =
            findFormatElement(document.documentElement(), formatId).firstChildElement();
        if (!custom.isNull())
            settings = customFromElement(custom);
    });
    return settings;
}

bool setFormatAttribute(const QString& formatId, const QString& attribute, const QString& value)
{
    bool found = false;
    const bool written =
        editXmlFile(formatFilePath(), IfMissing::Skip, [&](QDomDocument& document) {
            QDomElement format = findFormatElement(rootElement(document), formatId);
            found = !format.isNull();
            if (found)
                format.setAttribute(attribute, value);
            return found;
        });
    return written && found;
}

QString getFormatAttribute(const QString& formatId, const QString& attribute,
                           const QString& defaultValue)
{
    QString value;
    inspectXmlFile(formatFilePath(), [&](const QDomDocument& document) {
        value = findFormatElement(document.documentElement(), formatId).attribute(attribute);
    });
    return value.isEmpty() ? defaultValue : value;
}

QString getScreenshotSuffix()
{
    return screenshotValue(QStringLiteral("IMG_SUFFIX"), QStringLiteral("JPG"));
}

bool setScreenshotSuffix(const QString& suffix)
{
    return setSettingValue(kScreenshotsTag, QStringLiteral("IMG_SUFFIX"), suffix,
                           screenshotFilePath());
}

QString getScreenshotFolder()
{
    return screenshotValue(QStringLiteral("IMG_Folder"),
                           documentsFolder() + QStringLiteral("/Converted/Screenshots/"));
}

bool setScreenshotFolder(const QString& folder)
{
    return setSettingValue(kScreenshotsTag, QStringLiteral("IMG_Folder"), folder,
                           screenshotFilePath());
}

}  // namespace ParserXML
