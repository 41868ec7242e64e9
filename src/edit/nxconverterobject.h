#pragma once
// NxConverterObject: one conversion job at a time. It names the target (a free
// "<name>_Trim_NNN.<ext>" in the output folder, see jobtargetname.h), drives a CAVConverter,
// and turns the converter's worker-thread callback into signals on its own thread: the
// callback emits seedConvertPro, which the object receives queued in UpdataConverPro and
// re-emits as emitConvertProgress and, at the end, emitConvertedFinish.
//
// A job that is cancelled or fails leaves no target behind: the engine writes into a
// temporary file, and a target that exists after a failure (the audio was written but its tags
// were not) is removed, since the name was free when the job began.
//
// Threading: everything on the object's thread (the GUI thread) except the converter's
// callback. stop() blocks until the converter's worker has let go.

#include <QObject>
#include <QString>

#include <cstdint>
#include <memory>

#include "iavconverter.h"
#include "outputsettings.h"

class CAVConverter;

Q_DECLARE_METATYPE(convertState)

class NxConverterObject : public QObject {
    Q_OBJECT
public:
    explicit NxConverterObject(QObject* parent = nullptr);
    ~NxConverterObject() override;

    // The next job: what to convert and how, and where its target goes. outputName is the
    // requested file name with its extension (the marker and number are added); outputFolder
    // the folder it goes to.
    void setJob(const OutputSettings& settings, const QString& sourcePath,
                const QString& outputName, const QString& outputFolder);
    // Starts the job. Without a free target name nothing starts (no signal, false). Otherwise
    // emitConvertedStart() comes first; a start the converter refuses then emits
    // emitConvertedFinish(false) at once and returns false.
    bool start();
    // Cancels the running job: returns once the converter's worker has stopped; the job's
    // emitConvertedFinish(false) follows from the event loop.
    void stop();

    // The marker of the settings' names: "_Edit" for a whole file re-encoded with its picture
    // stream, "_Trim" for everything else (every cut, every sound-only conversion).
    static QString markerFor(const OutputSettings& settings);

    bool isRunning() const { return m_running != 0; }
    bool isCancelled() const { return m_cancelled; }
    QString producedName() const { return m_producedName; }
    QString producedPath() const { return m_producedPath; }
    QString sourcePath() const { return m_sourcePath; }
    const OutputSettings& settings() const { return m_settings; }
    // Why the last job failed ("" when it did not).
    QString lastError() const { return m_error; }
    // Whether the last finished job copied the compressed frames instead of encoding.
    bool copiedFrames() const;

signals:
    void seedConvertPro(uint32_t progress, convertState state);
    void emitConvertedStart();
    void emitConvertedFinish(bool ok);
    void emitConvertProgress(uint32_t progress);

public slots:
    void UpdataConverPro(uint32_t progress, convertState state);

private:
    static void onConverterCallback(uint32_t progress, void* user, int32_t state);
    void releaseConverter();
    void removeUnfinishedTarget();

    OutputSettings m_settings;
    QString m_sourcePath;
    QString m_outputName;
    QString m_outputFolder;
    QString m_producedName;
    QString m_producedPath;
    std::unique_ptr<CAVConverter> m_converter;
    int32_t m_running = 0;
    bool m_cancelled = false;
    // Started jobs whose end state has not arrived yet. A job stopped and followed at once by
    // a new one still sends its end state; while more than one is open, what arrives belongs
    // to an older job and is dropped.
    int m_openJobs = 0;
    QString m_error;
};
