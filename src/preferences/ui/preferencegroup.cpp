#include "preferencegroup.h"

#include "nxskin.h"

namespace {

constexpr int kTitleLeftPx = 10;

}  // namespace

PreferenceGroup::PreferenceGroup(QWidget* parent) : QGroupBox(parent)
{
    setFont(NxSkin::font(12, true));
    setStyleSheet(QStringLiteral("QGroupBox{background-color:%4; border:1px solid %1; "
                                 "border-radius:5px;margin-top:2ex;}"
                                 "QGroupBox::title {color: %2;subcontrol-origin: margin;"
                                 "subcontrol-position: top left;left:%3px;padding:0px;}")
                      .arg(NxSkin::border().name(), NxSkin::textBright().name())
                      .arg(kTitleLeftPx)
                      .arg(NxSkin::surface().name()));
}
