#pragma once
// A warning that does not stop the program: it shows over its window, everything goes on, and it deletes itself
// once closed. Tests find it by its objectName.
#include <QMessageBox>

namespace controls {

// unprompted: the program raised it by itself, not in answer to an action (a recording that stopped), so a
// script driving the window does not take it for the answer to its own input.
QMessageBox *openWarning(QWidget *parent, const QString &title, const QString &text, const QString &objectName,
                         bool unprompted = false);
[[nodiscard]] bool isUnprompted(const QWidget &window);

} // namespace controls
