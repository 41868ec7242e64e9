// The settings file primitives of ParserXML: loading and writing a document, and the keys of
// "AudioDefaultSetting.xml".

#include "parserxml.h"

#include <QDomDocument>

#include "xmlfileio.h"
#include "xmlfilelock.h"

using namespace XmlStore;

namespace ParserXML {

bool readOperateXml(const QString& filePath, QDomDocument& document)
{
    XmlFileLock lock(filePath);
    return readXmlFile(filePath, document) != XmlReadResult::Unreadable;
}

bool writeOperateXml(const QDomDocument& document, const QString& filePath)
{
    XmlFileLock lock(filePath);
    return writeXmlFile(document, filePath);
}

QString getSettingValue(const QString& element, const QString& attribute,
                        const QString& defaultValue, const QString& filePath)
{
    const QString path = filePath.isEmpty() ? settingsFilePath() : filePath;
    QString result = defaultValue;
    editXmlFile(path, IfMissing::StartEmpty, [&](QDomDocument& document) {
        QDomElement root = rootElement(document);
        const QDomElement found = root.firstChildElement(element);
        if (!found.isNull()) {
            const QString value = found.attribute(attribute);
            if (!value.isEmpty())
                result = value;
        } else {
            // Reading a key makes sure its element exists, so that a later write of it lands.
            root.appendChild(document.createElement(element));
        }
        return true;
    });
    return result;
}

bool setSettingValue(const QString& element, const QString& attribute, const QString& value,
                     const QString& filePath)
{
    const QString path = filePath.isEmpty() ? settingsFilePath() : filePath;
    bool found = false;
    const bool written = editXmlFile(path, IfMissing::Skip, [&](QDomDocument& document) {
        QDomElement e = rootElement(document).firstChildElement(element);
        found = !e.isNull();
        if (found)
            e.setAttribute(attribute, value);
        return true;
    });
    return written && found;
}

bool getSettingBool(const QString& element, const QString& attribute, bool defaultValue)
{
    return isTrueText(getSettingValue(element, attribute, boolText(defaultValue)));
}

bool setSettingBool(const QString& element, const QString& attribute, bool value)
{
    return setSettingValue(element, attribute, boolText(value));
}

qint64 getSettingInt(const QString& element, const QString& attribute, qint64 defaultValue)
{
    bool ok = false;
    const qint64 value =
        getSettingValue(element, attribute, QString::number(defaultValue)).toLongLong(&ok, 10);
    return ok ? value : 0;
}

quint64 getSettingUInt64(const QString& element, const QString& attribute, quint64 defaultValue)
{
    bool ok = false;
    const quint64 value =
        getSettingValue(element, attribute, QString::number(defaultValue)).toULongLong(&ok, 10);
    return ok ? value : 0;
}

}  // namespace ParserXML
