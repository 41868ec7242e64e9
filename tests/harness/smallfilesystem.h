#pragma once
// A tmpfs of a few kilobytes mounted on a temporary folder for the life of the object, to make a
// folder full or read-only. Needs the right to mount (the test is skipped without it).

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <sys/mount.h>

class SmallFileSystem {
public:
    // `options` as for mount -o ("size=200k", "size=8k,mode=0700").
    explicit SmallFileSystem(const char* options)
    {
        if (!m_dir.isValid())
            return;
        const QByteArray target = QFile::encodeName(m_dir.path());
        if (::mount("quillon-test", target.constData(), "tmpfs", 0, options) == 0)
            m_target = target;
    }
    ~SmallFileSystem()
    {
        if (mounted())
            ::umount2(m_target.constData(), MNT_DETACH);
    }
    SmallFileSystem(const SmallFileSystem&) = delete;
    SmallFileSystem& operator=(const SmallFileSystem&) = delete;

    bool mounted() const { return !m_target.isEmpty(); }
    QString path() const { return m_dir.path(); }
    QString filePath(const QString& name) const { return m_dir.filePath(name); }
    bool makeReadOnly()
    {
        return mounted() && ::mount(nullptr, m_target.constData(), nullptr, MS_REMOUNT | MS_RDONLY,
                                    nullptr) == 0;
    }

private:
    QTemporaryDir m_dir;
    QByteArray m_target;
};
