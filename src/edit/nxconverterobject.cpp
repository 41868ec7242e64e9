#include "nxconverterobject.h"

#include <QFile>
#include <QFileInfo>

#include "cavconverter.h"
#include "jobtargetname.h"
#include "tagsavecatalogue.h"

NxConverterObject::NxConverterObject(QObject* parent) : QObject(parent)
{
    qRegisterMetaType<convertState>("convertState");
    qRegisterMetaType<uint32_t>("uint32_t");
    // Automatic: emitted on the converter's worker thread, delivered queued on ours.
    connect(this, &NxConverterObject::seedConvertPro, this, &NxConverterObject::UpdataConverPro);
}

NxConverterObject::~NxConverterObject()
{
    const bool wasRunning = isRunning();
    releaseConverter();
    if (wasRunning)
        removeUnfinishedTarget();
}

void NxConverterObject::setJob(const OutputSettings& settings, const QString& sourcePath,
                               const QString& outputName, const QString& outputFolder)
{
    m_settings = settings;
    m_sourcePath = sourcePath;
    m_outputName = outputName;
    m_outputFolder = outputFolder;
}

QString NxConverterObject::markerFor(const OutputSettings& settings)
{
    const VEEditConfig& config = settings.editConfig;
    const bool noCut = config.trimStartUs == 0 && config.trimEndUs == 0;
    return noCut && !settings.audioOnly ? JobTargetName::kEditMarker : JobTargetName::kTrimMarker;
}

bool NxConverterObject::start()
{
    m_cancelled = false;
    m_error.clear();
    const QByteArray source = m_sourcePath.toUtf8();
    const JobTarget target =
        JobTargetName::freeTarget(m_outputFolder, m_outputName, markerFor(m_settings));
    m_producedName = target.fileName;
    m_producedPath = target.path;
    if (target.isEmpty()) {
        m_error =
            QStringLiteral("no free file name for %1 in %2").arg(m_outputName, m_outputFolder);
        return false;
    }
    releaseConverter();
    m_converter = std::make_unique<CAVConverter>();
    emit emitConvertedStart();
    if (!m_converter->StartConvert(source.constData(), m_producedPath.toUtf8().constData(),
                                   m_settings, this, &NxConverterObject::onConverterCallback,
                                   false)) {
        m_error = m_converter->lastError();
        emit emitConvertedFinish(false);
        return false;
    }
    ++m_openJobs;
    m_running = 1;
    return true;
}

void NxConverterObject::stop()
{
    m_cancelled = true;
    const bool wasRunning = isRunning();
    releaseConverter();
    m_running = 0;
    if (wasRunning)
        removeUnfinishedTarget();
}

bool NxConverterObject::copiedFrames() const
{
    return m_converter && m_converter->copied();
}

void NxConverterObject::onConverterCallback(uint32_t progress, void* user, int32_t state)
{
    // The converter's worker thread: only the queued signal crosses to the object's thread.
    emit static_cast<NxConverterObject*>(user)->seedConvertPro(progress, convertState(state));
}

void NxConverterObject::UpdataConverPro(uint32_t progress, convertState state)
{
    const bool ends = state == ConvertStopped || state == ConvertFinished || state == ConvertFailed;
    const bool stale = m_openJobs > 1;
    if (ends && m_openJobs > 0)
        --m_openJobs;
    if (stale)
        return;
    emit emitConvertProgress(progress);
    if (state == ConvertProgress || state == ConvertPreparing)
        return;
    m_running = 0;
    const bool ok = state == ConvertFinished;
    if (ok) {
        tagsavecatalogue::add(m_producedPath, m_settings.tagsToWrite());
    } else {
        if (m_converter && !m_cancelled)
            m_error = m_converter->lastError();
        removeUnfinishedTarget();
    }
    emit emitConvertedFinish(ok);
}

void NxConverterObject::releaseConverter()
{
    if (m_converter)
        m_converter->StopConvert();
    m_converter.reset();
}

void NxConverterObject::removeUnfinishedTarget()
{
    if (!m_producedPath.isEmpty() && QFileInfo::exists(m_producedPath))
        QFile::remove(m_producedPath);
}
