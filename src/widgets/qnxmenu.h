#pragma once

#include <QMenu>

class QNxMenuStyle;

// The skinned pop-up menu (see QNxMenuStyle), in Tahoma 12 px. Sub-menus made with
// addNxMenu() get the same skin. GUI thread only.
class QNxMenu : public QMenu {
    Q_OBJECT
public:
    explicit QNxMenu(QWidget* parent = nullptr);
    explicit QNxMenu(const QString& title, QWidget* parent = nullptr);
    ~QNxMenu() override;

    // An action with an icon from the skin (an empty path for none) and a data value.
    QAction* addSkinAction(const QString& iconPath, const QString& text,
                           const QVariant& value = QVariant());
    QNxMenu* addNxMenu(const QString& title);

private:
    QNxMenuStyle* m_style = nullptr;
};
