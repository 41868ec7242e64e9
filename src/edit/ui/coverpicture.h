#pragma once
// Reading a picture file the user chose as a cover. A cover must decode as a picture and stay
// below kMaxBytes: FLAC stores a picture in one metadata block of at most 16 MiB, and a cover
// of several megabytes in every produced clip is never what the user wants. Pictures in a
// format the tag writer does not carry (JPEG, PNG, GIF and BMP are carried) are stored as PNG.
// Needs QtGui (QImage); any thread.

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

struct CoverPicture {
    Q_DECLARE_TR_FUNCTIONS(CoverPicture)

public:
    static constexpr qint64 kMaxBytes = 10 * 1024 * 1024;

    QByteArray bytes;  // the picture file's bytes, empty on failure
    QString error;     // why the file cannot be a cover (translated), empty on success

    bool ok() const { return error.isEmpty(); }

    // Reads and checks the file; on failure bytes stays empty and error says why.
    static CoverPicture fromFile(const QString& path);
};
