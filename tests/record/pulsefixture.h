#pragma once
// Changes to the private sound server that a test makes and must undo, so later tests see the
// fixture as tests/harness/pulse-server.sh set it up.

#include "testmedia.h"

#include <QString>

// Takes the fixture's microphone (the remap source quillon_mic_in) away; puts it back and makes
// it the default source again when destroyed.
class MicrophoneRemoval {
public:
    MicrophoneRemoval() { m_removed = unload(); }
    ~MicrophoneRemoval() { restore(); }
    bool removed() const { return m_removed; }

    void restore()
    {
        if (!m_removed)
            return;
        testmedia::pactl({QStringLiteral("load-module"), QStringLiteral("module-remap-source"),
                          QStringLiteral("source_name=quillon_mic_in"),
                          QStringLiteral("master=quillon_mic.monitor")});
        testmedia::pactl({QStringLiteral("set-default-source"), QStringLiteral("quillon_mic_in")});
        m_removed = false;
    }

private:
    static bool unload()
    {
        const testmedia::ToolResult modules = testmedia::pactl(
            {QStringLiteral("list"), QStringLiteral("short"), QStringLiteral("modules")});
        for (const QByteArray& line : modules.out.split('\n')) {
            if (line.contains("module-remap-source") && line.contains("quillon_mic_in")) {
                const QString index = QString::fromLatin1(line.split('\t').value(0));
                return testmedia::pactl({QStringLiteral("unload-module"), index}).ok();
            }
        }
        return false;
    }

    bool m_removed = false;
};

// Points libpulse at a socket nobody serves, for the life of the object.
class DeadSoundServer {
public:
    DeadSoundServer() : m_saved(qgetenv("PULSE_SERVER"))
    {
        qputenv("PULSE_SERVER", "unix:/nonexistent/quillon-no-server");
    }
    ~DeadSoundServer() { qputenv("PULSE_SERVER", m_saved); }

private:
    QByteArray m_saved;
};

// Suspends a sink (nothing it plays reaches its monitor) until resume() or destruction.
class SinkSuspension {
public:
    explicit SinkSuspension(const QString& sink) : m_sink(sink)
    {
        m_suspended =
            testmedia::pactl({QStringLiteral("suspend-sink"), m_sink, QStringLiteral("1")}).ok();
    }
    ~SinkSuspension() { resume(); }
    bool suspended() const { return m_suspended; }
    void resume()
    {
        if (m_suspended)
            testmedia::pactl({QStringLiteral("suspend-sink"), m_sink, QStringLiteral("0")});
        m_suspended = false;
    }

private:
    QString m_sink;
    bool m_suspended = false;
};

// Makes another source the server's default for the life of the object; the fixture's
// microphone is the default again afterwards. With `monitorOf` set, the source is a remap of
// that sink's monitor, loaded for the purpose and unloaded afterwards.
class DefaultSourceChange {
public:
    static DefaultSourceChange remapOfMonitor(const QString& sink)
    {
        DefaultSourceChange change;
        const testmedia::ToolResult loaded =
            testmedia::pactl({QStringLiteral("load-module"), QStringLiteral("module-remap-source"),
                              QStringLiteral("source_name=quillon_test_loop"),
                              QStringLiteral("master=%1.monitor").arg(sink)});
        if (loaded.ok()) {
            change.m_module = QString::fromUtf8(loaded.out).trimmed();
            change.setDefault(QStringLiteral("quillon_test_loop"));
        }
        return change;
    }
    static DefaultSourceChange to(const QString& source)
    {
        DefaultSourceChange change;
        change.setDefault(source);
        return change;
    }
    DefaultSourceChange(DefaultSourceChange&& other) noexcept
        : m_module(std::move(other.m_module)), m_changed(other.m_changed)
    {
        other.m_module.clear();
        other.m_changed = false;
    }
    ~DefaultSourceChange()
    {
        if (m_changed)
            testmedia::pactl(
                {QStringLiteral("set-default-source"), QStringLiteral("quillon_mic_in")});
        if (!m_module.isEmpty())
            testmedia::pactl({QStringLiteral("unload-module"), m_module});
    }
    bool changed() const { return m_changed; }

private:
    DefaultSourceChange() = default;
    void setDefault(const QString& source)
    {
        m_changed = testmedia::pactl({QStringLiteral("set-default-source"), source}).ok();
    }

    QString m_module;
    bool m_changed = false;
};
