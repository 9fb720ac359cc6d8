// Every control of the three windows, as a screen reader or voice control meets it: through QAccessible, and
// through the Tab key.
#include "console/frmMain.h"
#include "keyconfig/frmKeyConfig.h"
#include "minitp/frmMTP.h"
#include "widgetdriver.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTabBar>
#include <QTemporaryDir>
#include <algorithm>

using namespace testing;

namespace {
bool isInteractive(const QWidget *widget)
{
    return qobject_cast<const QAbstractButton *>(widget) || qobject_cast<const QLineEdit *>(widget) ||
           qobject_cast<const QComboBox *>(widget) || qobject_cast<const QAbstractItemView *>(widget) ||
           qobject_cast<const QTabBar *>(widget);
}

// A caption's words: "Exec TO : " -> "Exec TO".
QString captionWords(QString text)
{
    text.remove(QLatin1Char('&'));
    text = text.trimmed();
    while (text.endsWith(QLatin1Char(':')))
        text = text.chopped(1).trimmed();
    return text;
}

// What a sighted user reads as the control's caption: its own text, or that of the label that names it
// (a label naming an enclosing control names its parts too).
QString visibleCaption(const QWidget *window, const QWidget *widget)
{
    if (const auto *button = qobject_cast<const QAbstractButton *>(widget))
        return captionWords(button->text());
    for (const QLabel *label : window->findChildren<QLabel *>()) {
        const QWidget *buddy = label->buddy();
        if (buddy && (buddy == widget || buddy->isAncestorOf(widget)) && label->isVisibleTo(window))
            return captionWords(label->text());
    }
    return {};
}

QStringList accessibilityProblems(const QWidget *window)
{
    QStringList problems;
    QHash<QString, QString> owners;
    for (QWidget *widget : window->findChildren<QWidget *>()) {
        if (!isInteractive(widget) || !widget->isVisibleTo(window))
            continue;
        const QString id = widget->objectName().isEmpty() ? QString::fromLatin1(widget->metaObject()->className())
                                                           : widget->objectName();
        QAccessibleInterface *face = QAccessible::queryAccessibleInterface(widget);
        if (!face) {
            problems << id + QStringLiteral(": no accessible interface");
            continue;
        }
        if (face->role() == QAccessible::NoRole || face->role() == QAccessible::Client)
            problems << id + QStringLiteral(": no role");
        QString name = face->text(QAccessible::Name);
        // Here a combo box's name is its current text; screen readers speak the label it is related to.
        if (face->role() == QAccessible::ComboBox) {
            const auto labels = face->relations(QAccessible::Label);
            name = labels.isEmpty() ? QString() : captionWords(labels.first().first->text(QAccessible::Name));
        }
        if (name.trimmed().isEmpty()) {
            problems << id + QStringLiteral(": no name");
            continue;
        }
        if (!std::any_of(name.begin(), name.end(), [](QChar c) { return c.isLetterOrNumber(); }))
            problems << QStringLiteral("%1: name \"%2\" says nothing a screen reader can speak").arg(id, name);
        if (name.endsWith(QLatin1Char(':')))
            problems << QStringLiteral("%1: name \"%2\" ends with its label's colon").arg(id, name);
        if (owners.contains(name))
            problems << QStringLiteral("%1 and %2 are both \"%3\"").arg(owners.value(name), id, name);
        owners.insert(name, id);
        const QString caption = visibleCaption(window, widget);
        if (!caption.isEmpty() && !name.startsWith(caption, Qt::CaseInsensitive))
            problems << QStringLiteral("%1: name \"%2\" does not start with its caption \"%3\"").arg(id, name, caption);
    }
    return problems;
}

// The object names that Tab visits, starting from `first`, until the focus comes back round.
QStringList tabOrder(QWidget *first)
{
    first->setFocus(Qt::TabFocusReason);
    QStringList visited;
    for (int i = 0; i < 300; ++i) {
        QWidget *focus = QApplication::focusWidget();
        if (!focus || (i > 0 && focus == first->focusProxy()) || visited.size() > 100)
            break;
        visited << focus->objectName();
        QTest::keyClick(focus, Qt::Key_Tab);
    }
    return visited;
}
} // namespace

class TestAccessibility : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void everyControlHasARoleAndAUniqueNameStartingWithItsCaption();
    void ipAddressControlsExposeTheirAddress();
    void tabFollowsTheLayoutOfTheMainWindow();
    void keyBoxesDescribeTheirBinding();
    void tabReachesEveryControlOfTheDialogs();

private:
    QTemporaryDir m_dir;
    QString m_previousDir;
};

void TestAccessibility::init()
{
    m_previousDir = QDir::currentPath();
    QVERIFY(QDir::setCurrent(m_dir.path()));
}

void TestAccessibility::cleanup()
{
    QDir::setCurrent(m_previousDir);
}

void TestAccessibility::everyControlHasARoleAndAUniqueNameStartingWithItsCaption()
{
    QStringList problems;
    frmMain main;
    main.show();
    problems << accessibilityProblems(&main);
    child<QTabWidget>(&main, QStringLiteral("tabDevice"))->setCurrentIndex(0);
    problems << accessibilityProblems(&main);
    click(&main, QStringLiteral("chkClient"));
    problems << accessibilityProblems(&main);
    frmMTP editor;
    editor.show();
    problems << accessibilityProblems(&editor);
    frmKeyConfig keys;
    keys.show();
    problems << accessibilityProblems(&keys);
    child<QTabWidget>(&keys, QStringLiteral("SSTab1"))->setCurrentIndex(1);
    problems << accessibilityProblems(&keys);
    problems.removeDuplicates();
    for (const QString &problem : problems)
        qWarning().noquote() << problem;
    QVERIFY2(problems.isEmpty(), "the problems are listed above");
}

void TestAccessibility::ipAddressControlsExposeTheirAddress()
{
    frmMain main;
    main.show();
    for (const char *name : {"utlDestIP", "uclSrcIP"}) {
        auto *control = child<QWidget>(&main, QString::fromLatin1(name));
        QAccessibleInterface *face = QAccessible::queryAccessibleInterface(control);
        QVERIFY(face);
        QCOMPARE(face->text(QAccessible::Value), QStringLiteral("192.168.0.1"));
        QStringList fields;
        for (QLineEdit *field : control->findChildren<QLineEdit *>())
            fields << QAccessible::queryAccessibleInterface(field)->text(QAccessible::Name);
        const QString caption = QLatin1String(name) == QLatin1String("utlDestIP") ? QStringLiteral("Dest IP") : QStringLiteral("Src IP");
        QCOMPARE(fields, (QStringList{caption + QStringLiteral(", field 1 of 4"), caption + QStringLiteral(", field 2 of 4"),
                                      caption + QStringLiteral(", field 3 of 4"), caption + QStringLiteral(", field 4 of 4")}));
    }
    typeInto(child<QWidget>(&main, QStringLiteral("utlDestIP")), QStringLiteral("field(3)"), QStringLiteral("7"));
    QCOMPARE(QAccessible::queryAccessibleInterface(child<QWidget>(&main, QStringLiteral("utlDestIP")))->text(QAccessible::Value),
             QStringLiteral("192.168.0.7"));
}

void TestAccessibility::tabFollowsTheLayoutOfTheMainWindow()
{
    frmMain main;
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    click(&main, QStringLiteral("chkClient"));
    const QStringList expected = {
        QStringLiteral("qt_tabwidget_tabbar"), QStringLiteral("field(0)"), QStringLiteral("txtDestPort"),
        QStringLiteral("field(0)"), QStringLiteral("txtSrcPort"), QStringLiteral("cmbMouseMode"),
        QStringLiteral("cmbKeyboardMode"), QStringLiteral("txtTPLessInt"), QStringLiteral("txtInitWait"),
        QStringLiteral("txtExecTimeout"), QStringLiteral("chkClient"), QStringLiteral("cmdEng(2)"),
        QStringLiteral("cmdEng(0)"), QStringLiteral("chkEnable"), QStringLiteral("txtDbl"),
        QStringLiteral("txtPressHold"), QStringLiteral("txtKeyState(0)"), QStringLiteral("txtKeyState(1)"),
        QStringLiteral("txtKeyState(2)"), QStringLiteral("txtKeyState(3)"), QStringLiteral("txtKeyState(4)"),
        QStringLiteral("txtKeyState(5)"), QStringLiteral("txtKeyState(6)"), QStringLiteral("txtKeyState(7)"),
        QStringLiteral("chkTouch"), QStringLiteral("txtPanelX"), QStringLiteral("txtPanelY"),
        QStringLiteral("lstLog"), QStringLiteral("chkLog"), QStringLiteral("cmdTester(1)"),
        QStringLiteral("cmdTester(0)")};
    QCOMPARE(tabOrder(child<QWidget>(&main, QStringLiteral("tabDevice"))), expected);
}

void TestAccessibility::keyBoxesDescribeTheirBinding()
{
    frmKeyConfig keys;
    keys.show();
    QVERIFY(QTest::qWaitForWindowExposed(&keys));
    QLineEdit *up = nullptr;
    for (QLineEdit *box : keys.findChildren<QLineEdit *>()) {
        if (box->accessibleName() == QStringLiteral("↑ Up arrow key"))
            up = box;
    }
    QVERIFY(up);
    QVERIFY(up->accessibleDescription().startsWith(QStringLiteral("Bound to key code ")));
    up->setFocus();
    QTest::keyClick(up, Qt::Key_Down, Qt::ShiftModifier);
    QCOMPARE(up->accessibleDescription(), QStringLiteral("Bound to key code 40 (Down), shown as \"40 + [S]\""));
    // Focus blanks the box; the description still says what it is bound to.
    child<QWidget>(&keys, QStringLiteral("cmdOK"))->setFocus();
    up->setFocus();
    QCOMPARE(up->text(), QString());
    QCOMPARE(QAccessible::queryAccessibleInterface(up)->text(QAccessible::Description),
             QStringLiteral("Bound to key code 40 (Down), shown as \"40 + [S]\""));
}

void TestAccessibility::tabReachesEveryControlOfTheDialogs()
{
    auto unreached = [](QWidget *window, QWidget *first) {
        QStringList missing;
        const QStringList visited = tabOrder(first);
        for (QWidget *widget : window->findChildren<QWidget *>()) {
            if (isInteractive(widget) && widget->isVisibleTo(window) && widget->isEnabled() &&
                (widget->focusPolicy() & Qt::TabFocus) && !visited.contains(widget->objectName()))
                missing << widget->objectName();
        }
        return missing;
    };
    frmMTP editor;
    editor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&editor));
    QCOMPARE(unreached(&editor, child<QWidget>(&editor, QStringLiteral("lstCommands"))), QStringList());
    frmKeyConfig keys;
    keys.show();
    QVERIFY(QTest::qWaitForWindowExposed(&keys));
    auto *tabs = child<QTabWidget>(&keys, QStringLiteral("SSTab1"));
    for (int page = 0; page < tabs->count(); ++page) {
        tabs->setCurrentIndex(page);
        QCOMPARE(unreached(&keys, tabs), QStringList());
    }
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
