#include "controls.h"

#include "controls/warningbox.h"
#include "script/scriptcontext.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QStyle>
#include <QStyleOptionButton>
#include <QComboBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QRegularExpression>
#include <QTabWidget>
#include <algorithm>

namespace consolescript::widgets {

namespace {
[[noreturn]] void failed(const QString &message)
{
    throw script::ActionFailed{message};
}

// The words of a name, for matching whatever their order, case and punctuation.
QStringList words(const QString &name)
{
    static const QRegularExpression separators(QStringLiteral("[^\\w]+"), QRegularExpression::UseUnicodePropertiesOption);
    QStringList list = name.toLower().split(separators, Qt::SkipEmptyParts);
    list.sort();
    return list;
}

QString withoutMnemonic(QString text)
{
    return text.remove(QRegularExpression(QStringLiteral("&(?!&)")));
}

// The captions beside fields ("Dest Port : "), which name them too.
QHash<const QWidget *, QString> buddyCaptions(const QWidget &window)
{
    static const QRegularExpression colon(QStringLiteral("\\s*:\\s*$"));
    QHash<const QWidget *, QString> captions;
    for (const QLabel *label : window.findChildren<QLabel *>())
        if (label->buddy())
            captions.insert(label->buddy(), withoutMnemonic(label->text()).remove(colon));
    return captions;
}

bool isControl(const QWidget &widget)
{
    return qobject_cast<const QAbstractButton *>(&widget) || qobject_cast<const QLineEdit *>(&widget) ||
           qobject_cast<const QComboBox *>(&widget) || qobject_cast<const QAbstractItemView *>(&widget) ||
           qobject_cast<const QTabWidget *>(&widget) || !widget.accessibleName().isEmpty();
}

// The control's own names: its spoken name, the caption part of it, the caption on it.
QStringList ownNamesOf(const QWidget &control)
{
    static const QRegularExpression captionEnd(QStringLiteral(",| \\("));
    QStringList names{control.accessibleName()};
    // The caption part of a spoken name: "Dest IP (destination IP address)", "Exec TO, execute timeout in ms".
    names << control.accessibleName().section(captionEnd, 0, 0);
    if (const auto *button = qobject_cast<const QAbstractButton *>(&control))
        names << withoutMnemonic(button->text());
    names.removeAll(QString());
    return names;
}

// Its own names, then the caption beside it.
QStringList namesOf(const QHash<const QWidget *, QString> &captions, const QWidget &control)
{
    QStringList names = ownNamesOf(control);
    if (const QString beside = captions.value(&control); !beside.isEmpty())
        names << beside;
    return names;
}

QString label(const QWidget &control, const QString &name)
{
    return control.objectName().isEmpty() || control.objectName() == name ? QStringLiteral("\"%1\"").arg(name)
                                                                          : QStringLiteral("\"%1\" (%2)").arg(name, control.objectName());
}

void requireUsable(QWidget &control, const QString &name)
{
    if (!control.isVisible())
        failed(QStringLiteral("%1 is not shown (it is on a panel or tab that is not in front)").arg(label(control, name)));
    if (!control.isEnabled())
        failed(QStringLiteral("%1 is disabled").arg(label(control, name)));
}

template<typename Widget>
Widget &as(QWidget &control, const QString &name, const char *kind)
{
    auto *widget = qobject_cast<Widget *>(&control);
    if (!widget)
        failed(QStringLiteral("%1 is not %2").arg(label(control, name), QLatin1String(kind)));
    return *widget;
}

// Where a click lands: a button's centre; a check box reacts only to its box and caption.
QPointF clickPoint(QWidget &widget)
{
    if (auto *box = qobject_cast<QCheckBox *>(&widget)) {
        QStyleOptionButton option;
        option.initFrom(box);
        option.text = box->text();
        return QRectF(box->style()->subElementRect(QStyle::SE_CheckBoxClickRect, &option, box)).center();
    }
    return QRectF(widget.rect()).center();
}

void clickAtCentre(QWidget &widget)
{
    const QPointF centre = clickPoint(widget);
    const QPointF global = widget.mapToGlobal(centre);
    QMouseEvent pressEvent(QEvent::MouseButtonPress, centre, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&widget, &pressEvent);
    QMouseEvent releaseEvent(QEvent::MouseButtonRelease, centre, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&widget, &releaseEvent);
}

// The fields of a control made of several text boxes (an IP address control: four).
QList<QLineEdit *> fieldsOf(QWidget &control)
{
    return qobject_cast<QLineEdit *>(&control) ? QList<QLineEdit *>() : control.findChildren<QLineEdit *>();
}

void type(QLineEdit &box, const QString &text)
{
    box.setFocus(Qt::OtherFocusReason);
    box.selectAll();
    if (text.isEmpty())
        box.del();
    else
        box.insert(text); // through the box's validator and input mask, as typing goes
}
} // namespace

QWidget &inputWindow(QWidget &console)
{
    // A warning the program raised by itself (a recording that stopped) is no answer to the script's input: it
    // takes none, and the dialog or window beneath it goes on taking it.
    QWidget *modal = QApplication::activeModalWidget();
    if (!modal || !::controls::isUnprompted(*modal))
        return modal ? *modal : console;
    for (QWidget *window : QApplication::topLevelWidgets())
        if (window != modal && window->isVisible() && window->isModal() && !::controls::isUnprompted(*window))
            return *window;
    return console;
}

namespace {
// "field(0)" inside an address control, say, is told apart by the control it belongs to.
QString identify(const QHash<const QWidget *, QString> &captions, const QWidget &control)
{
    QString text = control.objectName().isEmpty() ? QStringLiteral("-") : control.objectName();
    const QStringList names = namesOf(captions, control);
    if (!names.isEmpty())
        text += QStringLiteral(" \"%1\"").arg(names.first());
    for (const QWidget *parent = control.parentWidget(); parent; parent = parent->parentWidget())
        if (isControl(*parent) && !parent->objectName().isEmpty())
            return text + QStringLiteral(" (in %1)").arg(parent->objectName());
    return text;
}
} // namespace

QWidget &find(QWidget &window, const QString &name)
{
    QList<QWidget *> candidates;
    for (QWidget *widget : window.findChildren<QWidget *>())
        if (isControl(*widget))
            candidates << widget;
    const QHash<const QWidget *, QString> captions = buddyCaptions(window);
    auto pick = [&](const std::function<bool(const QWidget &)> &matches) -> QWidget * {
        QList<QWidget *> found;
        std::copy_if(candidates.begin(), candidates.end(), std::back_inserter(found), [&](QWidget *w) { return matches(*w); });
        // A control made of named parts (an address control's fields) is found whole.
        found.removeIf([&found](QWidget *w) {
            return std::any_of(found.begin(), found.end(), [w](QWidget *other) { return other != w && other->isAncestorOf(w); });
        });
        if (found.size() > 1) {
            QStringList which;
            for (QWidget *widget : found)
                which << identify(captions, *widget);
            failed(QStringLiteral("\"%1\" names %2 controls in \"%3\": %4; use one of their names")
                       .arg(name)
                       .arg(found.size())
                       .arg(window.windowTitle(), which.join(QStringLiteral(", "))));
        }
        return found.value(0);
    };
    // The rule, in this order: an objectName; a whole spoken name or the caption on the control; the caption
    // beside it; all the given words among the words of one of its names. Each step that finds two controls or
    // more is an error that lists them.
    if (QWidget *found = pick([&](const QWidget &w) { return w.objectName() == name; }))
        return *found;
    if (QWidget *found = pick([&](const QWidget &w) { return ownNamesOf(w).contains(name); }))
        return *found;
    if (QWidget *found = pick([&](const QWidget &w) { return captions.value(&w) == name; }))
        return *found;
    const QStringList wanted = words(name);
    if (!wanted.isEmpty()) {
        const auto containsAll = [&wanted](const QString &candidate) {
            const QStringList have = words(candidate);
            return std::all_of(wanted.begin(), wanted.end(), [&have](const QString &word) { return have.contains(word); });
        };
        if (QWidget *found = pick([&](const QWidget &w) {
                const QStringList names = namesOf(captions, w);
                return std::any_of(names.begin(), names.end(), containsAll);
            }))
            return *found;
    }
    failed(QStringLiteral("no control named \"%1\" in \"%2\" (window.controls() lists them)").arg(name, window.windowTitle()));
}

QStringList describe(QWidget &window)
{
    const QHash<const QWidget *, QString> captions = buddyCaptions(window);
    QStringList lines;
    for (QWidget *widget : window.findChildren<QWidget *>()) {
        if (!isControl(*widget))
            continue;
        // The name a script may use: the spoken name, else the caption on or beside the control.
        const QStringList names = namesOf(captions, *widget);
        if (widget->objectName().isEmpty() && names.isEmpty())
            continue;
        QString line = widget->objectName().isEmpty() ? QStringLiteral("-") : widget->objectName();
        if (!names.isEmpty())
            line += QStringLiteral(" \"%1\"").arg(names.first());
        lines << line;
    }
    return lines;
}

void press(QWidget &control, const QString &name)
{
    auto &button = as<QAbstractButton>(control, name, "a button");
    requireUsable(button, name);
    clickAtCentre(button);
}

void check(QWidget &control, const QString &name, bool on)
{
    auto &box = as<QAbstractButton>(control, name, "a check box");
    if (!box.isCheckable())
        failed(QStringLiteral("%1 is a button, not a check box").arg(label(control, name)));
    requireUsable(box, name);
    if (box.isChecked() != on)
        clickAtCentre(box);
}

void choose(QWidget &control, const QString &name, const QString &item)
{
    auto &list = as<QComboBox>(control, name, "a drop-down list");
    requireUsable(list, name);
    const int index = list.findText(item, Qt::MatchExactly);
    if (index < 0) {
        QStringList items;
        for (int k = 0; k < list.count(); ++k)
            items << QStringLiteral("\"%1\"").arg(list.itemText(k));
        failed(QStringLiteral("%1 has no item \"%2\"; it has %3").arg(label(control, name), item, items.join(QStringLiteral(", "))));
    }
    list.setCurrentIndex(index);
}

void setText(QWidget &control, const QString &name, const QString &text)
{
    requireUsable(control, name);
    if (auto *box = qobject_cast<QLineEdit *>(&control)) {
        if (box->isReadOnly())
            failed(QStringLiteral("%1 cannot be typed into").arg(label(control, name)));
        type(*box, text);
        return;
    }
    const QList<QLineEdit *> fields = fieldsOf(control);
    const QStringList parts = text.split(QLatin1Char('.'));
    if (fields.size() < 2 || parts.size() != fields.size())
        failed(fields.size() < 2 ? QStringLiteral("%1 takes no text").arg(label(control, name))
                                 : QStringLiteral("%1 takes %2 fields separated by dots, such as an address \"127.0.0.1\"")
                                       .arg(label(control, name))
                                       .arg(fields.size()));
    for (qsizetype k = 0; k < fields.size(); ++k)
        type(*fields[k], parts[k]);
}

void selectTab(QWidget &window, const QString &caption)
{
    for (QTabWidget *tabs : window.findChildren<QTabWidget *>()) {
        for (int k = 0; k < tabs->count(); ++k) {
            if (withoutMnemonic(tabs->tabText(k)) != caption)
                continue;
            requireUsable(*tabs, caption);
            if (!tabs->isTabEnabled(k))
                failed(QStringLiteral("the tab \"%1\" is disabled").arg(caption));
            tabs->setCurrentIndex(k);
            return;
        }
    }
    failed(QStringLiteral("no tab \"%1\" in \"%2\"").arg(caption, window.windowTitle()));
}

QString text(QWidget &control, const QString &name)
{
    if (const auto *box = qobject_cast<QLineEdit *>(&control))
        return box->text();
    if (const auto *list = qobject_cast<QComboBox *>(&control))
        return list->currentText();
    if (const auto *button = qobject_cast<QAbstractButton *>(&control))
        return withoutMnemonic(button->text());
    if (const auto *tabs = qobject_cast<QTabWidget *>(&control))
        return withoutMnemonic(tabs->tabText(tabs->currentIndex()));
    const QList<QLineEdit *> fields = fieldsOf(control);
    if (fields.size() < 2)
        failed(QStringLiteral("%1 has no text to read").arg(label(control, name)));
    QStringList parts;
    for (const QLineEdit *field : fields)
        parts << field->text();
    return parts.join(QLatin1Char('.'));
}

bool isChecked(QWidget &control, const QString &name)
{
    return as<QAbstractButton>(control, name, "a check box").isChecked();
}

} // namespace consolescript::widgets
