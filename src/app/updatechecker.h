#pragma once
// Update checks against an appcast: an RSS feed whose items carry an <enclosure> with the
// version of a release (the Sparkle convention: attribute sparkle:version or
// sparkle:shortVersionString, or a <sparkle:version> element in the item). The feed is fetched
// with Qt Network without blocking the caller's thread; the newest version in it is compared
// with the running one. Which URL, and whether checks run by themselves, are settings
// ("UPDATES_ITEM" / "Appcast_Url", "bIsAutoUpdate"); automatic checks are off unless enabled.
// GUI thread (or any thread with an event loop) only.

#include <QMetaType>
#include <QObject>
#include <QString>
#include <QUrl>
#include <QVector>

class QNetworkAccessManager;
class QNetworkReply;

struct UpdateCheckResult {
    enum Status { UpToDate, UpdateAvailable, Failed };
    Status status = Failed;
    QString latestVersion;  // newest version in the feed
    QUrl downloadUrl;       // its enclosure
    QString error;          // why the check failed

    // The text a message box shows for the result.
    QString message() const;
};

struct AppcastRelease {
    QString version;
    QUrl url;
};

Q_DECLARE_METATYPE(UpdateCheckResult)

class UpdateChecker : public QObject {
    Q_OBJECT
public:
    static constexpr int kTimeoutMs = 15000;

    explicit UpdateChecker(QObject* parent = nullptr);

    // The feed address from the settings (a default address when none is stored).
    static QUrl appcastUrl();
    // Whether automatic checks are enabled ("UPDATES_ITEM" / "bIsAutoUpdate" is "Y").
    static bool automaticChecksEnabled();
    // The running program's version.
    static QString currentVersion();

    // Releases listed in a feed; `error` is set when it is not readable RSS.
    static QVector<AppcastRelease> parseAppcast(const QByteArray& xml, QString* error);
    // Compares dotted versions numerically ("1.10" > "1.9"); <0, 0, >0.
    static int compareVersions(const QString& a, const QString& b);
    // The result of a feed's text against `current`.
    static UpdateCheckResult evaluate(const QByteArray& xml, const QString& current);

    // Fetches `feed` and reports through finished(). A check still running is abandoned.
    void check(const QUrl& feed, const QString& current = currentVersion());
    bool isChecking() const { return m_reply != nullptr; }

signals:
    void finished(const UpdateCheckResult& result);

private:
    void onReplyFinished(QNetworkReply* reply, const QString& current);

    QNetworkAccessManager* m_network = nullptr;
    QNetworkReply* m_reply = nullptr;
};
