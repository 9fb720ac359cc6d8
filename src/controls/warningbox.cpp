#include "warningbox.h"

namespace controls {

QMessageBox *openWarning(QWidget *parent, const QString &title, const QString &text, const QString &objectName)
{
    auto *box = new QMessageBox(QMessageBox::Warning, title, text, QMessageBox::Ok, parent);
    box->setObjectName(objectName);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
    return box;
}

} // namespace controls
