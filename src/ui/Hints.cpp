#include "ui/Hints.h"

#include <QApplication>
#include <QEvent>

namespace nudgeon {
namespace {

// Swallows tool-tip requests while hints are off.
class HintFilter : public QObject {
public:
    using QObject::QObject;
    bool enabled = true;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (!enabled && event->type() == QEvent::ToolTip)
            return true;
        return QObject::eventFilter(watched, event);
    }
};

HintFilter* Filter()
{
    static HintFilter* filter = [] {
        auto* created = new HintFilter(qApp);
        qApp->installEventFilter(created);
        return created;
    }();
    return filter;
}

} // namespace

void SetHintsEnabled(bool enabled)
{
    Filter()->enabled = enabled;
}

bool HintsEnabled()
{
    return Filter()->enabled;
}

} // namespace nudgeon
