#pragma once
// Loads the sound-device plugin libOlmet with QLibrary, creates its device object and destroys
// it again. The object's operations are called directly through device(); see
// olmet/sounddevice.h for their contract.
//
// Threading: use from one thread (the GUI thread in the recorder). Ownership: the library owns
// the device object; it is destroyed and the plugin unloaded in the destructor.

#include <olmet/sounddevice.h>

#include <QLibrary>
#include <QString>

class SoundDeviceLibrary {
public:
    // Loads the plugin from `path` (default: pluginPath()) and creates the device object.
    // Failure (no file, missing functions, CreateDevice returning null) leaves device() null
    // and errorString() saying why.
    explicit SoundDeviceLibrary(const QString& path = pluginPath());
    ~SoundDeviceLibrary();
    SoundDeviceLibrary(const SoundDeviceLibrary&) = delete;
    SoundDeviceLibrary& operator=(const SoundDeviceLibrary&) = delete;

    // The plugin beside the running executable, or the installed one (InstallLayout).
    static QString pluginPath();
    // Copies a name handed out by the device object (null gives an empty string).
    static QString text(const char16_t* name);

    // The device object, or null when the plugin could not be loaded or made none.
    olmet::SoundDevice* device() const { return m_device; }
    bool isLoaded() const { return m_library.isLoaded(); }
    QString errorString() const { return m_error; }

private:
    QLibrary m_library;
    olmet::SoundDevice* m_device = nullptr;
    QString m_error;
};
