#pragma once
// Shared by the main-window tests: private per-user folders, the built resources and plugin, a
// window built with a clock, tray and sleep lock the test controls, a recordings sink that
// notes what it is handed, and ways to find the window's controls and messages.

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QtTest>

#include <memory>

#include "../record/ui/inputspaneltestenv.h"
#include "formatdescriptor.h"
#include "irecordingsink.h"
#include "mainwindow.h"
#include "manualclock.h"
#include "nulldesktopnotifier.h"
#include "nullremoteplayerservice.h"
#include "nullsleepinhibitor.h"
#include "parserxml.h"
#include "plistdocument.h"
#include "qnxmessagebox.h"

namespace windowtest {

// Notes every call of the window, in order.
class SinkSpy : public IRecordingSink {
public:
    void recordingStarted(const QString& path) override { started.append(path); }
    void recordingIsSilent(bool silent) override { silentCalls.append(silent); }
    void recordingFinished(const FinishedRecording& recording) override
    {
        finished.append(recording);
    }
    void recordingDiscarded(const QString& path) override { discarded.append(path); }
    void recordingFailed(const QString& path, const QString&) override { failed.append(path); }
    void recordingIdentified(const QString& path, const QString& title, const QString&,
                             const QString&, const QString&) override
    {
        identified.append(path + QStringLiteral(": ") + title);
    }
    void recordingRewritten(const QString& path) override { rewritten.append(path); }
    void recordingMoved(const QString& oldPath, const QString& newPath) override
    {
        moved.append(oldPath + QStringLiteral(" -> ") + newPath);
    }

    QStringList started;
    QList<bool> silentCalls;
    QList<FinishedRecording> finished;
    QStringList discarded;
    QStringList failed;
    QStringList identified;
    QStringList rewritten;
    QStringList moved;
};

struct Fixture {
    ManualClock clock{QDateTime(QDate(2024, 3, 14), QTime(12, 0, 0))};
    SinkSpy sink;
    SleepInhibitor* inhibitor = nullptr;  // owned by the window
    bool tray = true;
    // Finished recordings go to the window's own recordings list instead of the spy.
    bool listAsSink = false;
    std::unique_ptr<MainWindow> window;

    // Builds the window (shown) and makes recordings plain WAV, whose length ffprobe reads
    // exactly. Without a notifier nothing reaches the session bus of the test's environment.
    MainWindow* open(std::unique_ptr<SleepInhibitor> lock = nullptr,
                     std::unique_ptr<DesktopNotifier> notifier = nullptr)
    {
        MainWindowServices services;
        services.clock = &clock;
        services.sleepInhibitor = lock ? std::move(lock) : std::make_unique<NullSleepInhibitor>();
        services.notifier =
            notifier ? std::move(notifier) : std::make_unique<NullDesktopNotifier>();
        inhibitor = services.sleepInhibitor.get();
        services.recordingSink = listAsSink ? nullptr : &sink;
        services.devicePluginPath = inputstest::pluginPath();
        services.trayAvailable = [this] { return tray; };
        services.publishPlayer = [](MediaPlayerControl&) {
            return std::make_unique<NullRemotePlayerService>(QStringLiteral("test"));
        };
        window = std::make_unique<MainWindow>(nullptr, std::move(services));
        FormatDescriptor* wav = FormatDescriptor::audio();
        wav->formatKey = QStringLiteral("WAV");
        wav->extension = QStringLiteral("wav");
        wav->audioCodec = 0x10000;
        wav->sampleRateHz = 44100;
        wav->channels = 2;
        wav->audioBitRateKbps = 0;
        window->show();
        return window.get();
    }
};

// Per-user folders inside `root`, the built skin and format catalogue. Call once per process.
inline void setUpProcess(const QString& root)
{
    inputstest::redirectUserFolders(root);
    inputstest::useBuiltResources();
    const QString resources = testmedia::binDir() + QStringLiteral("/audiorecorder_res");
    // The first catalogue read decides it for the process: the built resource folder's.
    PlistDocument::instance(
        (resources + QStringLiteral("/profile/profiles_win.plist")).toStdString());
}

inline void setSetting(const QString& element, const QString& attribute, const QString& value)
{
    ParserXML::getSettingValue(element, attribute, QString());
    ParserXML::setSettingValue(element, attribute, value);
}

// Fresh settings and history; recordings go to `outputFolder`.
inline void resetStorage(const QString& outputFolder)
{
    QFile::remove(ParserXML::settingsFilePath());
    QFile::remove(ParserXML::historyFilePath());
    QDir(outputFolder).removeRecursively();
    setSetting(QStringLiteral("OutPut_path"), QStringLiteral("path_value"), outputFolder);
}

// The window's button with this text or tool tip.
inline QAbstractButton* button(QWidget* window, const QString& name)
{
    for (QAbstractButton* b : window->findChildren<QAbstractButton*>()) {
        if (b->text() == name || b->toolTip() == name)
            return b;
    }
    return nullptr;
}

// Texts of the messages the window shows now.
inline QStringList messages(QWidget* window)
{
    QStringList texts;
    for (QNxMessageBox* box : window->findChildren<QNxMessageBox*>()) {
        if (box->isVisible())
            texts.append(box->text());
    }
    return texts;
}

}  // namespace windowtest
