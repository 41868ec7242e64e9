#include "mprisrootadaptor.h"

#include "mprisservice.h"

MprisRootAdaptor::MprisRootAdaptor(MprisService* service)
    : QDBusAbstractAdaptor(service), m_service(service)
{
}

bool MprisRootAdaptor::canQuit() const
{
    return bool(m_service->window().quit);
}

bool MprisRootAdaptor::canRaise() const
{
    return bool(m_service->window().raise);
}

QString MprisRootAdaptor::identity() const
{
    return m_service->identity().name;
}

QString MprisRootAdaptor::desktopEntry() const
{
    return m_service->identity().desktopEntry;
}

void MprisRootAdaptor::Raise()
{
    if (m_service->window().raise)
        m_service->window().raise();
}

void MprisRootAdaptor::Quit()
{
    if (m_service->window().quit)
        m_service->window().quit();
}
