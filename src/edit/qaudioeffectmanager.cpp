#include "qaudioeffectmanager.h"

#include <QDebug>
#include <QDir>
#include <QDirIterator>
#include <QDomDocument>
#include <QFile>

#include <algorithm>

#include "parserxml.h"

namespace {

const QString kConfigName = QStringLiteral("config.xml");

// An integer attribute; a missing one counts as 0, text that is not a number is an error.
bool intAttribute(const QDomElement& element, const QString& name, int* value, QString* error)
{
    const QString text = element.attribute(name);
    if (text.isEmpty()) {
        *value = 0;
        return true;
    }
    bool ok = false;
    *value = text.trimmed().toInt(&ok);
    if (!ok)
        *error =
            QStringLiteral("<%1> %2=\"%3\" is not an integer").arg(element.tagName(), name, text);
    return ok;
}

bool doubleAttribute(const QDomElement& element, const QString& name, double* value, QString* error)
{
    bool ok = false;
    *value = element.attribute(name).trimmed().toDouble(&ok);
    if (!ok)
        *error = QStringLiteral("<%1> %2=\"%3\" is not a number")
                     .arg(element.tagName(), name, element.attribute(name));
    return ok;
}

// The "EQ" element: its rate and its points (any child with "hz" and "db").
bool parseEqualizer(const QDomElement& eq, AudioEffectPreset* preset, QString* error)
{
    for (QDomElement child = eq.firstChildElement(); !child.isNull();
         child = child.nextSiblingElement()) {
        if (child.tagName() == QLatin1String("Rate")) {
            if (!intAttribute(child, QStringLiteral("Value"), &preset->rate, error))
                return false;
            continue;
        }
        if (!child.hasAttribute(QStringLiteral("hz")) || !child.hasAttribute(QStringLiteral("db")))
            continue;
        double hz = 0;
        double db = 0;
        if (!doubleAttribute(child, QStringLiteral("hz"), &hz, error) ||
            !doubleAttribute(child, QStringLiteral("db"), &db, error))
            return false;
        preset->curve.insert(hz, db);
    }
    return true;
}

bool parseFrames(const QDomElement& info, AudioEffectPreset* preset, QString* error)
{
    preset->frameName = info.attribute(QStringLiteral("Name"));
    for (QDomElement child = info.firstChildElement(); !child.isNull();
         child = child.nextSiblingElement()) {
        AudioEffectFrame frame;
        frame.fileName = child.attribute(QStringLiteral("FileName"));
        if (!intAttribute(child, QStringLiteral("Height"), &frame.height, error) ||
            !intAttribute(child, QStringLiteral("Width"), &frame.width, error) ||
            !intAttribute(child, QStringLiteral("Type"), &frame.type, error))
            return false;
        preset->frames.append(frame);
    }
    return true;
}

}  // namespace

QAudioEffectManager::QAudioEffectManager(QObject* parent) : QObject(parent) {}

QAudioEffectManager::QAudioEffectManager(const QString& folder, QObject* parent) : QObject(parent)
{
    load(folder);
}

QAudioEffectManager* QAudioEffectManager::instance()
{
    // Lives until the process ends, like the other process-wide objects.
    static QAudioEffectManager* manager = new QAudioEffectManager(defaultFolder());
    return manager;
}

QString QAudioEffectManager::defaultFolder()
{
    return ParserXML::resourceFolder() + QStringLiteral("/AudioEffects");
}

int QAudioEffectManager::load(const QString& folder)
{
    m_presets.clear();
    m_folders.clear();
    QStringList configs;
    QDirIterator it(folder, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (it.fileInfo().isFile() && it.fileName() == kConfigName)
            configs.append(path);
    }
    // The walk's order is the file system's; sorting makes the numbered folders the order.
    std::sort(configs.begin(), configs.end());
    for (const QString& path : qAsConst(configs)) {
        AudioEffectPreset preset;
        QString error;
        if (!parsePreset(path, &preset, &error)) {
            qWarning().noquote() << "QAudioEffectManager: skipping" << path << "-" << error;
            continue;
        }
        m_folders.append(preset.folder);
        m_presets.append(preset);
    }
    return m_presets.size();
}

const AudioEffectPreset* QAudioEffectManager::preset(int index) const
{
    return index >= 0 && index < m_presets.size() ? &m_presets[index] : nullptr;
}

int QAudioEffectManager::customIndex() const
{
    for (int i = 0; i < m_presets.size(); ++i) {
        if (m_presets[i].name == QLatin1String(kCustomName))
            return i;
    }
    return -1;
}

bool QAudioEffectManager::parsePreset(const QString& configPath, AudioEffectPreset* preset,
                                      QString* error)
{
    QFile file(configPath);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return false;
    }
    QDomDocument document;
    QString message;
    int line = 0;
    int column = 0;
    if (!document.setContent(&file, &message, &line, &column)) {
        *error = QStringLiteral("line %1, column %2: %3").arg(line).arg(column).arg(message);
        return false;
    }
    const QDomElement root = document.documentElement();
    *preset = AudioEffectPreset();
    preset->name = root.attribute(QStringLiteral("Name"));
    if (preset->name.isEmpty()) {
        *error = QStringLiteral("the preset has no Name");
        return false;
    }
    if (!intAttribute(root, QStringLiteral("APPMinVersion"), &preset->appMinVersion, error) ||
        !intAttribute(root, QStringLiteral("Version"), &preset->version, error))
        return false;
    QString path = configPath;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    preset->folder = path.left(path.lastIndexOf(QLatin1Char('/')));
    const QString thumbnail = root.attribute(QStringLiteral("Thumbnail"));
    if (!thumbnail.isEmpty())
        preset->thumbnail = QStringLiteral("%1/%2").arg(preset->folder, thumbnail);
    for (QDomElement child = root.firstChildElement(); !child.isNull();
         child = child.nextSiblingElement()) {
        if (child.tagName() == QLatin1String("EQ") && !parseEqualizer(child, preset, error))
            return false;
        if (child.tagName() == QLatin1String("FrameInfo") && !parseFrames(child, preset, error))
            return false;
    }
    return true;
}
