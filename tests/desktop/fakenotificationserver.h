#pragma once
// A test double of org.freedesktop.Notifications: registered on a private bus, it keeps the
// arguments of every Notify call it receives, in order, and answers with an id.

#include <QObject>
#include <QStringList>
#include <QVariantList>
#include <QVariantMap>

class FakeNotificationServer : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public:
    // Every call: appName, replacesId, icon, summary, body, actions, hints, timeout.
    QList<QVariantList> calls;
    QVariantList last() const { return calls.value(calls.size() - 1); }
    QStringList summaries() const
    {
        QStringList all;
        for (const QVariantList& call : calls)
            all << call.value(3).toString();
        return all;
    }

signals:
    void received();

public slots:
    uint Notify(const QString& appName, uint replacesId, const QString& icon,
                const QString& summary, const QString& body, const QStringList& actions,
                const QVariantMap& hints, int timeout)
    {
        calls.append({appName, replacesId, icon, summary, body, actions, hints, timeout});
        emit received();
        return uint(calls.size());
    }
};
