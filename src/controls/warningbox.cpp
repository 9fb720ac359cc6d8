#include "warningbox.h"

namespace controls {

namespace {
constexpr char UnpromptedProperty[] = "zandorexUnprompted";
} // namespace

bool isUnprompted(const QWidget &window)
{
    return window.property(UnpromptedProperty).toBool();
}

QMessageBox *openWarning(QWidget *parent, const QString &title, const QString &text, const QString &objectName, bool unprompted)
{
    auto *box = new QMessageBox(QMessageBox::Warning, title, text, QMessageBox::Ok, parent);
    box->setObjectName(objectName);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setProperty(UnpromptedProperty, unprompted);
    box->open();
    return box;
}

} // namespace controls
