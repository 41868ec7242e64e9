#include "preferencegroup.h"

#include "nxskin.h"

#include <QLabel>
#include <QVBoxLayout>

namespace {

constexpr int kTitleLeftPx = 10;

}  // namespace

PreferenceGroup::PreferenceGroup(const char* objectName, QWidget* parent) : QGroupBox(parent)
{
    setObjectName(QLatin1String(objectName));
    setFont(NxSkin::font(12, true));
    setStyleSheet(QStringLiteral("QGroupBox{background-color:%4; border:1px solid %1; "
                                 "border-radius:5px;margin-top:2ex;}"
                                 "QGroupBox::title {color: %2;subcontrol-origin: margin;"
                                 "subcontrol-position: top left;left:%3px;padding:0px;}")
                      .arg(NxSkin::border().name(), NxSkin::textBright().name())
                      .arg(kTitleLeftPx)
                      .arg(NxSkin::surface().name()));
}

QVBoxLayout* PreferenceGroup::rows()
{
    if (auto* existing = qobject_cast<QVBoxLayout*>(layout()))
        return existing;
    auto* rows = new QVBoxLayout(this);
    frame(rows);
    return rows;
}

void PreferenceGroup::frame(QLayout* layout)
{
    layout->setContentsMargins(16, 18, 16, 12);
    layout->setSpacing(8);
}

QLabel* PreferenceGroup::makeLabel(QWidget* parent, const QColor& colour)
{
    auto* label = new QLabel(parent);
    label->setFont(NxSkin::font(12));
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, colour.isValid() ? colour : NxSkin::text());
    label->setPalette(pal);
    return label;
}
