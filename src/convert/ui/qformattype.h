#pragma once
// One tile of the format dialog's icon list: a catalogue profile's category, id, title, file
// extension and icon name, and the picture drawn for it. Plain value type; GUI thread only
// for the picture.

#include <QPixmap>
#include <QString>

class FormatProfile;

class QFormatType {
public:
    // The skin image every tile is drawn on; the extension is written across it.
    static constexpr const char* kBaseIcon = "/image/FormatDlg/icon_format.png";
    static constexpr int kIconSize = 48;

    QFormatType() = default;
    explicit QFormatType(const FormatProfile& profile);

    QString category() const { return m_category; }
    QString id() const { return m_id; }
    QString title() const { return m_title; }
    QString extension() const { return m_extension; }
    QString icon() const { return m_icon; }

    // True when the search text is empty or found (case-insensitive) in the title, the
    // extension or the icon name.
    bool matches(const QString& searchText) const;
    // The tile picture: the skin image FormatDlg/<icon>.png when there is one, else the base
    // image with the upper-case extension on a coloured band. Cached in QPixmapCache.
    QPixmap pixmap() const;

private:
    QString m_category;
    QString m_id;
    QString m_title;
    QString m_extension;
    QString m_icon;
};
