#include "ui/qt/failures.h"

#include <QMessageBox>

#include "ui/control.h"

namespace ui::qt {

void messageBoxReporter(QWidget* parent, const QString& title, const QString& text) {
    QMessageBox::warning(parent, title, text);
}

QString describeFailure(const std::exception& failure) {
    if (const auto* load = dynamic_cast<const images::PictureLoadError*>(&failure)) {
        return QString("A picture cannot be loaded.\n\nFile: %1\nReason: %2")
            .arg(QString::fromStdString(load->file()), QString::fromStdString(load->reason()));
    }
    return QString("The program met an error and goes on.\n\n%1")
        .arg(QString::fromUtf8(failure.what()));
}

bool runGuarded(const std::function<void()>& step, const Reporter& report, QWidget* parent,
                const QString& title) {
    try {
        step();
        return true;
    } catch (const std::exception& failure) {
        if (report) report(parent, title, describeFailure(failure));
    }
    return false;
}

}  // namespace ui::qt
