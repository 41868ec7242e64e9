#pragma once
// The notifier of machines without a session bus: it shows nothing but keeps what it was asked
// to show, so callers behave, and can be checked, the same everywhere.

#include "desktopnotifier.h"

#include <QStringList>

#include <utility>

class NullDesktopNotifier : public DesktopNotifier {
public:
    explicit NullDesktopNotifier(QString reason = QString()) : m_reason(std::move(reason)) {}

    bool notify(const QString& summary, const QString& body) override
    {
        m_summaries << summary;
        m_bodies << body;
        return true;
    }
    // Why there is no real notifier (for example "no session bus").
    QString errorString() const override { return m_reason; }

    const QStringList& summaries() const { return m_summaries; }
    const QStringList& bodies() const { return m_bodies; }

private:
    QString m_reason;
    QStringList m_summaries;
    QStringList m_bodies;
};
