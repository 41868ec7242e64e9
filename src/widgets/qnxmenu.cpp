#include "qnxmenu.h"

#include "nxskin.h"
#include "qnxmenustyle.h"

QNxMenu::QNxMenu(QWidget* parent) : QNxMenu(QString(), parent) {}

QNxMenu::QNxMenu(const QString& title, QWidget* parent)
    : QMenu(title, parent), m_style(new QNxMenuStyle)
{
    setStyle(m_style);
    setFont(NxSkin::font(12));
    setAttribute(Qt::WA_Hover);
}

QNxMenu::~QNxMenu()
{
    setStyle(nullptr);
    delete m_style;
}

QAction* QNxMenu::addSkinAction(const QString& iconPath, const QString& text, const QVariant& value)
{
    QAction* action = addAction(text);
    const QPixmap icon = NxSkin::pixmap(iconPath);
    if (!icon.isNull())
        action->setIcon(QIcon(icon));
    action->setData(value);
    return action;
}

QNxMenu* QNxMenu::addNxMenu(const QString& title)
{
    auto* sub = new QNxMenu(title, this);
    addMenu(sub);
    return sub;
}
