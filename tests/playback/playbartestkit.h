#pragma once
// What the play bar's tests share: per-user folders of their own, and short tones of distinct
// lengths written with ffmpeg into a temporary folder.

#include <QStringList>
#include <QTemporaryDir>
#include <QtTest>

#include "testfiles.h"
#include "testmedia.h"

class PlayBarMedia {
public:
    // Redirects the per-user folders and writes `count` tones of `seconds` each (tone i at
    // 300 + 100 i Hz), named tone0.wav, tone1.wav, ...
    bool create(int count, double seconds)
    {
        if (!m_dir.isValid())
            return false;
        testfiles::redirectUserFolders(m_dir.path() + QStringLiteral("/user"));
        for (int i = 0; i < count; ++i) {
            const QString path = m_dir.path() + QStringLiteral("/tone%1.wav").arg(i);
            if (!testmedia::makeTone(path, 300.0 + 100.0 * i, seconds))
                return false;
            m_files << path;
        }
        return true;
    }
    QStringList files() const { return m_files; }
    QString dir() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
    QStringList m_files;
};
