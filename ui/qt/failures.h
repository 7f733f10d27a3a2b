#pragma once

#include <QString>
#include <exception>
#include <functional>

class QWidget;

namespace ui::qt {

// Shows a failure of the window's code to the user.
using Reporter = std::function<void(QWidget* parent, const QString& title, const QString& text)>;
void messageBoxReporter(QWidget* parent, const QString& title, const QString& text);

// What the user reads about a failure: the file and the reason for a picture
// that cannot be loaded, the message for anything else.
QString describeFailure(const std::exception& failure);

// Runs one step of the window's code; a failure is reported and the program
// goes on. Returns false when the step failed.
bool runGuarded(const std::function<void()>& step, const Reporter& report, QWidget* parent,
                const QString& title);

}  // namespace ui::qt
