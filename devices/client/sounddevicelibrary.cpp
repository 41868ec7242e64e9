#include "sounddevicelibrary.h"

#include "installlayout.h"

SoundDeviceLibrary::SoundDeviceLibrary(const QString& path) : m_library(path)
{
    if (!m_library.load()) {
        m_error = m_library.errorString();
        return;
    }
    const auto create = reinterpret_cast<OlmetCreateDeviceFn>(m_library.resolve("CreateDevice"));
    if (!create) {
        m_error = QStringLiteral("%1 has no CreateDevice").arg(path);
        return;
    }
    m_device = create();
    if (!m_device)
        m_error = QStringLiteral("CreateDevice of %1 failed").arg(path);
}

SoundDeviceLibrary::~SoundDeviceLibrary()
{
    if (!m_library.isLoaded())
        return;
    // A missing DestroyDevice skips only the destruction; the plugin is unloaded regardless.
    const auto destroy = reinterpret_cast<OlmetDestroyDeviceFn>(m_library.resolve("DestroyDevice"));
    if (destroy && m_device)
        destroy(m_device);
    m_device = nullptr;
    m_library.unload();
}

QString SoundDeviceLibrary::pluginPath()
{
    return InstallLayout::devicePluginPath();
}

QString SoundDeviceLibrary::text(const char16_t* name)
{
    return name ? QString::fromUtf16(name) : QString();
}
