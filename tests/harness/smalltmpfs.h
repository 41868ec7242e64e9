#pragma once
// A small tmpfs mounted on a temporary folder for the life of the object: a disk that fills up
// after `size` (a mount option such as "200k"). Mounting needs root; mounted() is false where it
// is not allowed, and the test skips.

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>

#include <sys/mount.h>

class SmallTmpfs {
public:
    explicit SmallTmpfs(const char* size)
    {
        if (!m_dir.isValid())
            return;
        m_target = QFile::encodeName(m_dir.path());
        const QByteArray options = QByteArray("size=") + size;
        m_mounted =
            ::mount("quillon-test", m_target.constData(), "tmpfs", 0, options.constData()) == 0;
    }
    ~SmallTmpfs()
    {
        if (m_mounted)
            ::umount2(m_target.constData(), MNT_DETACH);
    }
    SmallTmpfs(const SmallTmpfs&) = delete;
    SmallTmpfs& operator=(const SmallTmpfs&) = delete;

    bool mounted() const { return m_mounted; }
    QString path() const { return m_dir.path(); }
    QString filePath(const QString& name) const { return m_dir.filePath(name); }

private:
    QTemporaryDir m_dir;
    QByteArray m_target;
    bool m_mounted = false;
};
