#pragma once
// A warning that does not stop the program: it shows over its window, everything goes on, and it deletes itself
// once closed. Tests find it by its objectName.
#include <QMessageBox>

namespace controls {

QMessageBox *openWarning(QWidget *parent, const QString &title, const QString &text, const QString &objectName);

} // namespace controls
