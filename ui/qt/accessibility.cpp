#include "ui/qt/accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>

#include "ui/qt/qt_view.h"

namespace ui::qt {

namespace {

// What a screen reader reads for a control, asked of the window when it is
// read: naming every control ahead would build an accessible object for each
// of them at start-up, while nobody may be listening.
class ControlAccessible : public QAccessibleWidget {
public:
    explicit ControlAccessible(ControlWidget* w) : QAccessibleWidget(w) {}

    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name) return QAccessibleWidget::text(t);
        auto* w = static_cast<ControlWidget*>(widget());
        const auto* view = qobject_cast<const QtView*>(w->window());
        if (!view) return {};
        const QString name = QString::fromStdString(view->window().accessibleName(w->control()));
        w->setReadName(name);
        return name;
    }
};

QAccessibleInterface* controlAccessible(const QString&, QObject* object) {
    auto* w = qobject_cast<ControlWidget*>(object);
    return w ? new ControlAccessible(w) : nullptr;
}

}  // namespace

void installControlAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(controlAccessible);
        return true;
    }();
    (void)installed;
}

void updateReadName(ControlWidget& widget, const DemoWindow& window) {
    if (!widget.readName()) return;
    const QString name = QString::fromStdString(window.accessibleName(widget.control()));
    if (name == *widget.readName()) return;
    widget.setReadName(name);
    QAccessibleEvent changed(&widget, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
}

}  // namespace ui::qt
