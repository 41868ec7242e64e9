#include "nxaccessiblenames.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QWidget>

namespace NxAccessibleNames {
namespace {

// Marks a name that came from the tool tip, so a later tool tip may replace it.
const char* const kFromToolTip = "nxAccessibleNameFromToolTip";

void nameAfterToolTip(QWidget* widget)
{
    if (widget->toolTip().isEmpty())
        return;
    const auto* button = qobject_cast<const QAbstractButton*>(widget);
    if (button && !button->text().isEmpty())
        return;
    if (!widget->accessibleName().isEmpty() && !widget->property(kFromToolTip).toBool())
        return;
    widget->setAccessibleName(widget->toolTip());
    widget->setProperty(kFromToolTip, true);
}

class ToolTipWatcher : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::ToolTipChange && watched->isWidgetType())
            nameAfterToolTip(static_cast<QWidget*>(watched));
        return false;
    }
};

}  // namespace

void install()
{
    static ToolTipWatcher* watcher = nullptr;
    if (!watcher && qApp) {
        watcher = new ToolTipWatcher(qApp);
        qApp->installEventFilter(watcher);
    }
    for (QWidget* widget : QApplication::allWidgets())
        nameAfterToolTip(widget);
}

void apply(QWidget* root)
{
    nameAfterToolTip(root);
    for (QWidget* child : root->findChildren<QWidget*>())
        nameAfterToolTip(child);
}

}  // namespace NxAccessibleNames
