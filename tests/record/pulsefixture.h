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
        const testmedia::ToolResult modules =
            testmedia::pactl({QStringLiteral("list"), QStringLiteral("short"),
                              QStringLiteral("modules")});
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
