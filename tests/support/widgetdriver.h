#pragma once
// Finding and driving the real widgets of a window by their object names.
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <functional>

namespace testing {

template<typename T>
T *child(const QObject *parent, const QString &name)
{
    T *widget = parent->findChild<T *>(name);
    if (!widget)
        qFatal("no child widget named %s", qPrintable(name));
    return widget;
}

inline void click(QAbstractButton *button)
{
    // A check box reacts to its indicator and text; its left edge is always inside them.
    const QPoint where = qobject_cast<QCheckBox *>(button) ? QPoint(6, button->height() / 2) : button->rect().center();
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, where);
}

inline void click(const QObject *window, const QString &buttonName)
{
    click(child<QAbstractButton>(window, buttonName));
}

// Replaces a text box's content the way an operator does: select all, type.
inline void typeInto(const QObject *window, const QString &boxName, const QString &text)
{
    auto *box = child<QLineEdit>(window, boxName);
    box->setFocus();
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    // Keys for ASCII text; anything else arrives the way an input method commits it.
    for (QChar c : text) {
        if (c.unicode() < 0x80)
            QTest::keyClicks(box, QString(c));
        else
            box->insert(QString(c));
    }
}

// The lines a list shows, read through its model; rows stored but not yet announced to the view count too.
inline QStringList listLines(const QObject *window, const QString &listName)
{
    const QAbstractItemModel *model = child<QAbstractItemView>(window, listName)->model();
    QCoreApplication::sendPostedEvents(const_cast<QAbstractItemModel *>(model), QEvent::MetaCall);
    QStringList lines;
    for (int row = 0; row < model->rowCount(); ++row)
        lines << model->index(row, 0).data().toString();
    return lines;
}

// The captions of a shown window that do not fit the width their widget was given.
inline QStringList clippedCaptions(const QWidget *window)
{
    QStringList clipped;
    for (const QLabel *label : window->findChildren<QLabel *>()) {
        if (label->isVisibleTo(window) && !label->text().isEmpty() &&
            label->fontMetrics().horizontalAdvance(label->text()) > label->contentsRect().width())
            clipped << label->text();
    }
    for (const QAbstractButton *button : window->findChildren<QAbstractButton *>()) {
        if (button->isVisibleTo(window) && !button->text().isEmpty() &&
            button->fontMetrics().horizontalAdvance(button->text()) + 8 > button->contentsRect().width())
            clipped << button->text();
    }
    return clipped;
}

// Runs an action on the next modal dialog once it is shown (a dialog that exec() blocks on).
template<typename Dialog>
void whenModal(std::function<void(Dialog *)> action)
{
    auto *timer = new QTimer(qApp);
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, qApp, [timer, action] {
        if (auto *dialog = qobject_cast<Dialog *>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            action(dialog);
        }
    });
    timer->start();
}

} // namespace testing
