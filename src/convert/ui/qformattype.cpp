#include "qformattype.h"

#include "formatprofile.h"
#include "nxskin.h"

#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QPixmapCache>

namespace {

// Band colours, chosen by a hash of the label so that a format keeps its colour.
QColor bandColour(const QString& label)
{
    static const QColor colours[] = {QColor(61, 170, 228), QColor(76, 175, 120),
                                     QColor(224, 160, 72), QColor(170, 120, 220),
                                     QColor(229, 96, 100), QColor(64, 190, 190)};
    return colours[qHash(label) % (sizeof(colours) / sizeof(colours[0]))];
}

QPixmap composeIcon(const QString& label)
{
    const int size = QFormatType::kIconSize;
    QPixmap out(size, size);
    out.fill(Qt::transparent);
    QPainter painter(&out);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPixmap base = NxSkin::pixmap(QString::fromLatin1(QFormatType::kBaseIcon));
    if (!base.isNull())
        painter.drawPixmap(QRect(0, 0, size, size), base);
    if (label.isEmpty())
        return out;
    QFont font = NxSkin::font(label.size() > 3 ? 10 : 11, true);
    painter.setFont(font);
    const int textWidth = painter.fontMetrics().horizontalAdvance(label);
    const int bandWidth = qMin(size - 2, qMax(30, textWidth + 10));
    const QRectF band((size - bandWidth) / 2.0, size * 0.52, bandWidth, 15);
    QPainterPath path;
    path.addRoundedRect(band, 3, 3);
    painter.fillPath(path, bandColour(label));
    painter.setPen(NxSkin::textBright());
    painter.drawText(band, Qt::AlignCenter, label);
    return out;
}

}  // namespace

QFormatType::QFormatType(const FormatProfile& profile)
    : m_category(profile.category()),
      m_id(profile.id()),
      m_title(profile.title()),
      m_extension(profile.extension()),
      m_icon(profile.icon())
{
}

bool QFormatType::matches(const QString& searchText) const
{
    const QString text = searchText.trimmed();
    return text.isEmpty() || m_title.contains(text, Qt::CaseInsensitive) ||
           m_extension.contains(text, Qt::CaseInsensitive) ||
           m_icon.contains(text, Qt::CaseInsensitive);
}

QPixmap QFormatType::pixmap() const
{
    // The composed pictures live in Qt's pixmap cache, which is emptied when the skin
    // folder changes and never outlives the application.
    const QString key = QStringLiteral("QFormatType:") + m_icon + QLatin1Char(':') + m_extension;
    QPixmap pix;
    if (QPixmapCache::find(key, &pix))
        return pix;
    if (!m_icon.isEmpty())
        pix = NxSkin::pixmap(QStringLiteral("/image/FormatDlg/%1.png").arg(m_icon));
    if (pix.isNull())
        pix = composeIcon((m_extension.isEmpty() ? m_icon : m_extension).toUpper());
    QPixmapCache::insert(key, pix);
    return pix;
}
