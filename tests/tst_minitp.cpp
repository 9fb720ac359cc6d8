// The MiniTP drawing editor: catalogue, list editing and sending.
#include "minitp/frmMTP.h"
#include "recordingprovider.h"
#include "widgetdriver.h"

#include <QComboBox>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>

using namespace testing;
using cao::Value;

namespace {
QStringList lines(const frmMTP &editor)
{
    return listLines(&editor, QStringLiteral("lstCommands"));
}

int selectedRow(const frmMTP &editor)
{
    return child<QListWidget>(&editor, QStringLiteral("lstCommands"))->currentRow();
}

void select(const frmMTP &editor, int row)
{
    auto *list = child<QListWidget>(&editor, QStringLiteral("lstCommands"));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, list->visualItemRect(list->item(row)).center());
}

void fill(const frmMTP &editor, int comboIndex, const QStringList &parameters)
{
    child<QComboBox>(&editor, QStringLiteral("cmbCommand"))->setCurrentIndex(comboIndex);
    for (int k = 0; k < 5; ++k)
        typeInto(&editor, QStringLiteral("txtPara(%1)").arg(k), parameters.value(k));
}

QString fields(const frmMTP &editor)
{
    QStringList texts{child<QComboBox>(&editor, QStringLiteral("cmbCommand"))->currentText()};
    for (int k = 0; k < 5; ++k)
        texts << child<QLineEdit>(&editor, QStringLiteral("txtPara(%1)").arg(k))->text();
    return texts.join(QLatin1Char('|'));
}

// A controller of the recording provider, as the main window hands it to the editor.
std::shared_ptr<cao::Controller> connectedController(cao::Engine &engine)
{
    return engine.Workspaces().Item(0)->AddController(QStringLiteral("Tavlox"), QStringLiteral("CaoProv.KAVRO.Tavlox"),
                                                      QString(), QString());
}

bool lineButtonsEnabled(const frmMTP &editor)
{
    const bool remove = child<QPushButton>(&editor, QStringLiteral("cmdRemove"))->isEnabled();
    const bool modify = child<QPushButton>(&editor, QStringLiteral("cmdModify"))->isEnabled();
    if (remove != modify)
        qFatal("Remove and Modify disagree");
    return remove;
}
} // namespace

class TestMiniTp : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void opensEmpty();
    void catalogue();
    void addAtEndAndInMiddle();
    void identicalAddsGetOwnNumbers();
    void numbersAreNotReused();
    void removeLastAndMiddle();
    void endLineChangesNoField();
    void modifyKeepsOrder();
    void punctuationComesBackExactly();
    void sendPassesDrawingInListOrder();
    void sendIgnoresUnappliedEdits();
    void sendWithEndLineAloneShowsBox();
    void sendWithoutControllerDoesNothing();
    void providerErrorShowsNumberAndDescription();
    void layoutAndTabOrder();
    void noCaptionIsCut();
};

void TestMiniTp::opensEmpty()
{
    frmMTP editor;
    editor.show();
    QVERIFY(QTest::qWaitForWindowActive(&editor));
    QCOMPARE(editor.windowTitle(), QStringLiteral("DrawMTP"));
    QCOMPARE(lines(editor), QStringList{QString()});
    QCOMPARE(selectedRow(editor), 0);
    QVERIFY(!lineButtonsEnabled(editor));
    QVERIFY(child<QPushButton>(&editor, QStringLiteral("cmdAdd"))->isEnabled());
    QVERIFY(child<QPushButton>(&editor, QStringLiteral("cmdSend"))->isEnabled());
    QCOMPARE(fields(editor), QStringLiteral("描画色設定|||||"));
    QCOMPARE(editor.nextKey(), 1);
    QCOMPARE(QApplication::focusWidget(), child<QWidget>(&editor, QStringLiteral("lstCommands")));
}

void TestMiniTp::catalogue()
{
    frmMTP editor;
    auto *combo = child<QComboBox>(&editor, QStringLiteral("cmbCommand"));
    QVERIFY(!combo->isEditable());
    QStringList items;
    QList<int> codes;
    for (int i = 0; i < combo->count(); ++i) {
        items << combo->itemText(i);
        codes << combo->itemData(i).toInt();
    }
    QCOMPARE(items, QStringList({QStringLiteral("描画色設定"), QStringLiteral("背景色設定"), QStringLiteral("塗色設定"),
                                 QStringLiteral("文字列描画"), QStringLiteral("線描画"), QStringLiteral("矩形描画"),
                                 QStringLiteral("描画幅設定"), QStringLiteral("描画情報登録開始"),
                                 QStringLiteral("描画情報登録終了"), QStringLiteral("描画情報呼び出し")}));
    QCOMPARE(codes, (QList<int>{16, 17, 18, 32, 48, 49, 56, 112, 113, 114}));
}

void TestMiniTp::addAtEndAndInMiddle()
{
    frmMTP editor;
    editor.show();
    fill(editor, 4, {QStringLiteral("10"), QStringLiteral("20"), QStringLiteral("30"), QStringLiteral("40")});
    click(&editor, QStringLiteral("cmdAdd"));
    QCOMPARE(lines(editor), (QStringList{QStringLiteral("線描画, (10,20,30,40,)"), QString()}));
    QCOMPARE(selectedRow(editor), 1);
    QVERIFY(!lineButtonsEnabled(editor));
    QCOMPARE(fields(editor), QStringLiteral("線描画|10|20|30|40|"));
    fill(editor, 0, {});
    click(&editor, QStringLiteral("cmdAdd"));
    select(editor, 1); // the second command line
    QVERIFY(lineButtonsEnabled(editor));
    fill(editor, 5, {QStringLiteral("1")});
    click(&editor, QStringLiteral("cmdAdd"));
    QCOMPARE(lines(editor), (QStringList{QStringLiteral("線描画, (10,20,30,40,)"), QStringLiteral("矩形描画, (1,,,,)"),
                                         QStringLiteral("描画色設定, (,,,,)"), QString()}));
    QCOMPARE(selectedRow(editor), 2);
    QVERIFY(lineButtonsEnabled(editor));
}

void TestMiniTp::identicalAddsGetOwnNumbers()
{
    frmMTP editor;
    fill(editor, 1, {QStringLiteral("7")});
    click(&editor, QStringLiteral("cmdAdd"));
    click(&editor, QStringLiteral("cmdAdd"));
    QCOMPARE(lines(editor).mid(0, 2), (QStringList{QStringLiteral("背景色設定, (7,,,,)"), QStringLiteral("背景色設定, (7,,,,)")}));
    auto *list = child<QListWidget>(&editor, QStringLiteral("lstCommands"));
    QCOMPARE(list->item(0)->data(Qt::UserRole).toInt(), 1);
    QCOMPARE(list->item(1)->data(Qt::UserRole).toInt(), 2);
    QCOMPARE(list->item(2)->data(Qt::UserRole).toInt(), 0);
    QCOMPARE(editor.commands().keys().size(), 2);
}

void TestMiniTp::numbersAreNotReused()
{
    frmMTP editor;
    editor.show();
    for (int i = 0; i < 3; ++i)
        click(&editor, QStringLiteral("cmdAdd"));
    select(editor, 1);
    click(&editor, QStringLiteral("cmdRemove"));
    select(editor, 2); // the end line
    click(&editor, QStringLiteral("cmdAdd"));
    auto *list = child<QListWidget>(&editor, QStringLiteral("lstCommands"));
    QList<int> numbers;
    for (int i = 0; i < list->count(); ++i)
        numbers << list->item(i)->data(Qt::UserRole).toInt();
    QCOMPARE(numbers, (QList<int>{1, 3, 4, 0}));
    QStringList keys = editor.commands().keys();
    keys.sort();
    QCOMPARE(keys, (QStringList{QStringLiteral("1"), QStringLiteral("3"), QStringLiteral("4")}));
}

void TestMiniTp::removeLastAndMiddle()
{
    frmMTP editor;
    editor.show();
    const QStringList a = {QStringLiteral("a")}, b = {QStringLiteral("b")}, c = {QStringLiteral("c")};
    fill(editor, 0, a);
    click(&editor, QStringLiteral("cmdAdd"));
    fill(editor, 3, b);
    click(&editor, QStringLiteral("cmdAdd"));
    fill(editor, 9, c);
    click(&editor, QStringLiteral("cmdAdd"));
    // the middle line: the one after it is selected and loaded
    select(editor, 1);
    click(&editor, QStringLiteral("cmdRemove"));
    QCOMPARE(lines(editor), (QStringList{QStringLiteral("描画色設定, (a,,,,)"), QStringLiteral("描画情報呼び出し, (c,,,,)"), QString()}));
    QCOMPARE(selectedRow(editor), 1);
    QVERIFY(lineButtonsEnabled(editor));
    QCOMPARE(fields(editor), QStringLiteral("描画情報呼び出し|c||||"));
    // the last command line: the end line is selected and the fields keep the removed command
    click(&editor, QStringLiteral("cmdRemove"));
    QCOMPARE(lines(editor), (QStringList{QStringLiteral("描画色設定, (a,,,,)"), QString()}));
    QCOMPARE(selectedRow(editor), 1);
    QVERIFY(!lineButtonsEnabled(editor));
    QCOMPARE(fields(editor), QStringLiteral("描画情報呼び出し|c||||"));
    click(&editor, QStringLiteral("cmdRemove")); // disabled on the end line: nothing happens
    QCOMPARE(lines(editor).size(), 2);
}

void TestMiniTp::endLineChangesNoField()
{
    frmMTP editor;
    editor.show();
    fill(editor, 2, {QStringLiteral("x")});
    click(&editor, QStringLiteral("cmdAdd"));
    fill(editor, 6, {QStringLiteral("y"), QStringLiteral("z")});
    select(editor, 1);
    QCOMPARE(fields(editor), QStringLiteral("描画幅設定|y|z|||"));
    select(editor, 0);
    QCOMPARE(fields(editor), QStringLiteral("塗色設定|x||||"));
}

void TestMiniTp::modifyKeepsOrder()
{
    frmMTP editor;
    editor.show();
    for (const QString &p : {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")}) {
        fill(editor, 0, {p});
        click(&editor, QStringLiteral("cmdAdd"));
    }
    select(editor, 1);
    fill(editor, 4, {QStringLiteral("9"), QStringLiteral("8")});
    click(&editor, QStringLiteral("cmdModify"));
    QCOMPARE(lines(editor), (QStringList{QStringLiteral("描画色設定, (1,,,,)"), QStringLiteral("線描画, (9,8,,,)"),
                                         QStringLiteral("描画色設定, (3,,,,)"), QString()}));
    QCOMPARE(selectedRow(editor), 1);
    QCOMPARE(child<QListWidget>(&editor, QStringLiteral("lstCommands"))->item(1)->data(Qt::UserRole).toInt(), 2);
    QCOMPARE(editor.commands().value(QStringLiteral("2")).describe(),
             QStringLiteral("[VT_I4 48, [VT_BSTR \"9\", VT_BSTR \"8\", VT_BSTR \"\", VT_BSTR \"\", VT_BSTR \"\"]]"));
}

void TestMiniTp::punctuationComesBackExactly()
{
    frmMTP editor;
    editor.show();
    fill(editor, 3, {QStringLiteral("a,b)"), QStringLiteral(" (c, "), QString(), QString(), QStringLiteral("文字")});
    click(&editor, QStringLiteral("cmdAdd"));
    QCOMPARE(lines(editor).first(), QStringLiteral("文字列描画, (a,b), (c, ,,,文字)"));
    fill(editor, 0, {});
    select(editor, 1);
    select(editor, 0);
    QCOMPARE(fields(editor), QStringLiteral("文字列描画|a,b)| (c, |||文字"));
}

void TestMiniTp::sendPassesDrawingInListOrder()
{
    RecordingProviderScope provider;
    cao::Engine engine;
    frmMTP editor;
    editor.m_CaoCtrl = connectedController(engine);
    editor.show();
    fill(editor, 4, {QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("10"), QStringLiteral("20")});
    click(&editor, QStringLiteral("cmdAdd"));
    fill(editor, 0, {QStringLiteral("255")});
    click(&editor, QStringLiteral("cmdAdd"));
    select(editor, 0);
    fill(editor, 3, {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4"), QStringLiteral("A")});
    click(&editor, QStringLiteral("cmdAdd")); // inserted in front of line 0
    const QStringList before = lines(editor);
    click(&editor, QStringLiteral("cmdSend"));
    click(&editor, QStringLiteral("cmdSend"));
    const auto sent = provider->callsOf(QStringLiteral("execute"));
    QCOMPARE(sent.size(), 2);
    QCOMPARE(sent.first().name, QStringLiteral("DrawMiniTP"));
    const Value drawing = sent.first().value;
    QCOMPARE(drawing.vt(), quint16(0x200C));
    QCOMPARE(drawing.size(), 3);
    QCOMPARE(drawing.describe(),
             QStringLiteral("[[VT_I4 32, [VT_BSTR \"1\", VT_BSTR \"2\", VT_BSTR \"3\", VT_BSTR \"4\", VT_BSTR \"A\"]], "
                            "[VT_I4 48, [VT_BSTR \"0\", VT_BSTR \"0\", VT_BSTR \"10\", VT_BSTR \"20\", VT_BSTR \"\"]], "
                            "[VT_I4 16, [VT_BSTR \"255\", VT_BSTR \"\", VT_BSTR \"\", VT_BSTR \"\", VT_BSTR \"\"]]]"));
    QCOMPARE(lines(editor), before);
    QCOMPARE(selectedRow(editor), 1);
}

void TestMiniTp::sendIgnoresUnappliedEdits()
{
    RecordingProviderScope provider;
    cao::Engine engine;
    frmMTP editor;
    editor.m_CaoCtrl = connectedController(engine);
    editor.show();
    fill(editor, 0, {QStringLiteral("1")});
    click(&editor, QStringLiteral("cmdAdd"));
    select(editor, 0);
    fill(editor, 1, {QStringLiteral("2")});
    click(&editor, QStringLiteral("cmdSend"));
    QCOMPARE(provider->callsOf(QStringLiteral("execute")).first().value.describe(),
             QStringLiteral("[[VT_I4 16, [VT_BSTR \"1\", VT_BSTR \"\", VT_BSTR \"\", VT_BSTR \"\", VT_BSTR \"\"]]]"));
}

void TestMiniTp::sendWithEndLineAloneShowsBox()
{
    RecordingProviderScope provider;
    cao::Engine engine;
    frmMTP editor;
    editor.m_CaoCtrl = connectedController(engine);
    editor.show();
    QString shown;
    QMessageBox::StandardButtons buttons;
    QString title;
    whenModal<QMessageBox>([&](QMessageBox *box) {
        shown = box->text();
        buttons = box->standardButtons();
        title = box->windowTitle();
        box->accept();
    });
    click(&editor, QStringLiteral("cmdSend"));
    QVERIFY(shown.contains(QStringLiteral("\r\n")));
    QVERIFY2(shown.contains(QStringLiteral("Nothing to send")), qPrintable(shown));
    QCOMPARE(buttons, QMessageBox::Ok);
    QCOMPARE(title, QGuiApplication::applicationDisplayName());
    QVERIFY(provider->callsOf(QStringLiteral("execute")).isEmpty());
}

void TestMiniTp::sendWithoutControllerDoesNothing()
{
    frmMTP editor;
    editor.show();
    click(&editor, QStringLiteral("cmdAdd"));
    bool boxShown = false;
    QTimer watcher;
    connect(&watcher, &QTimer::timeout, this, [&] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            boxShown = true;
            box->accept();
        }
    });
    watcher.start(5);
    click(&editor, QStringLiteral("cmdSend"));
    QTest::qWait(30);
    QVERIFY(!boxShown);
    QCOMPARE(lines(editor).size(), 2);
}

void TestMiniTp::providerErrorShowsNumberAndDescription()
{
    RecordingProviderScope provider;
    provider->executeFailure = cao::Failure(0x80070057, QStringLiteral("LED number out of range"));
    cao::Engine engine;
    frmMTP editor;
    editor.m_CaoCtrl = connectedController(engine);
    editor.show();
    click(&editor, QStringLiteral("cmdAdd"));
    const QStringList before = lines(editor);
    for (int press = 0; press < 2; ++press) {
        QString shown;
        whenModal<QMessageBox>([&](QMessageBox *box) {
            shown = box->text();
            box->accept();
        });
        click(&editor, QStringLiteral("cmdSend"));
        QCOMPARE(shown, QStringLiteral("-2147024809\r\nLED number out of range"));
    }
    QCOMPARE(lines(editor), before);
    QCOMPARE(provider->callsOf(QStringLiteral("execute")).size(), 2);
}

void TestMiniTp::layoutAndTabOrder()
{
    frmMTP editor;
    QCOMPARE(editor.size(), QSize(233, 365));
    QCOMPARE(child<QWidget>(&editor, QStringLiteral("lstCommands"))->geometry(), QRect(10, 14, 215, 112));
    QCOMPARE(child<QWidget>(&editor, QStringLiteral("txtPara(4)"))->geometry(), QRect(76, 142, 123, 20));
    QCOMPARE(child<QWidget>(&editor, QStringLiteral("cmdClose"))->geometry(), QRect(158, 340, 65, 19));
    QStringList order;
    QWidget *widget = child<QWidget>(&editor, QStringLiteral("lstCommands"));
    for (int i = 0; i < 12; ++i) {
        order << widget->objectName();
        widget = widget->nextInFocusChain();
        while (widget->focusPolicy() == Qt::NoFocus || widget->objectName().isEmpty())
            widget = widget->nextInFocusChain();
    }
    QCOMPARE(order, QStringList({"lstCommands", "cmdAdd", "cmdRemove", "cmbCommand", "txtPara(0)", "txtPara(1)",
                                 "txtPara(2)", "txtPara(3)", "txtPara(4)", "cmdSend", "cmdModify", "cmdClose"}));
}

void TestMiniTp::noCaptionIsCut()
{
    frmMTP editor;
    editor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&editor));
    QVERIFY2(clippedCaptions(&editor).isEmpty(), qPrintable(clippedCaptions(&editor).join(QLatin1Char('|'))));
}

QTEST_MAIN(TestMiniTp)
#include "tst_minitp.moc"
