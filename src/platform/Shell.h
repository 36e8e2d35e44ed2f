#pragma once

#include <QString>
#include <functional>

class QWidget;

// Opens a file or web address with the program the desktop associates with it.
// The result is not reported.
namespace Shell {
void Open(QWidget* owner, const QString& target);

// Tests replace the desktop with a recorder; an empty function restores it.
void SetOpenHandler(std::function<void(const QString&)> handler);
} // namespace Shell
