// The key configuration dialog: what it shows, how it captures keys, and what OK and Cancel do to "vkey.dat".
#include "keyconfig/frmKeyConfig.h"

#include "filesizelimit.h"
#include "widgetdriver.h"

#include <QLabel>
#include <QRegularExpression>

#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace testing;

namespace {
QString boxText(const frmKeyConfig &dialog, int element)
{
    return child<QLineEdit>(&dialog, QStringLiteral("txtConfig(%1)").arg(element))->text();
}

QByteArray fileBytes()
{
    QFile file(QStringLiteral("vkey.dat"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QByteArray &bytes)
{
    QFile file(QStringLiteral("vkey.dat"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

qint16 slotInFile(int slot)
{
    const QByteArray bytes = fileBytes();
    return static_cast<qint16>(quint8(bytes.at(2 * slot)) | (quint8(bytes.at(2 * slot + 1)) << 8));
}
} // namespace

class TestKeyConfig : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void showsDefaults_data();
    void showsDefaults();
    void opensOnMiniTpWithAllBoxes();
    void noCaptionIsCut();
    void okAtOnceWritesDefaults();
    void capture_data();
    void capture();
    void enteringAndLeavingKeepsOldCode();
    void typedTextNeverShows();
    void cancelLeavesFileUntouched();
    void loadedFileFillsBoxes();
    void openingBlanksNoBoxAndEscapeClosesNothing();
    void failedSaveKeepsDialogOpen_data();
    void failedSaveKeepsDialogOpen();

private:
    QTemporaryDir m_dir;
    QString m_previousDir;
};

void TestKeyConfig::init()
{
    // The key map lives in the current directory; each test gets an empty one.
    m_dir = QTemporaryDir();
    m_previousDir = QDir::currentPath();
    QVERIFY(QDir::setCurrent(m_dir.path()));
}

void TestKeyConfig::cleanup()
{
    QDir::setCurrent(m_previousDir);
}

void TestKeyConfig::showsDefaults_data()
{
    QTest::addColumn<int>("element");
    QTest::addColumn<QString>("text");
    QTest::newRow("TP OK") << 8 << QStringLiteral("13");
    QTest::newRow("TP J1 -") << 21 << QStringLiteral("97 + [C]");
    QTest::newRow("TP J1 +") << 22 << QStringLiteral("97 + [A]");
    QTest::newRow("TP Shift") << 10 << QStringLiteral("0 + [S]");
    QTest::newRow("miniTP Shift") << 74 << QStringLiteral("0 + [S]");
    QTest::newRow("TP F1") << 11 << QStringLiteral("112");
    QTest::newRow("miniTP J1 +") << 89 << QStringLiteral("97 + [A]");
    QTest::newRow("miniTP up") << 84 << QStringLiteral("38");
    QTest::newRow("miniTP Speed") << 70 << QStringLiteral("131");
}

void TestKeyConfig::showsDefaults()
{
    QFETCH(int, element);
    QFETCH(QString, text);
    frmKeyConfig dialog;
    QCOMPARE(boxText(dialog, element), text);
    QVERIFY(!QFile::exists(QStringLiteral("vkey.dat")));
}

void TestKeyConfig::opensOnMiniTpWithAllBoxes()
{
    frmKeyConfig dialog;
    QCOMPARE(dialog.windowTitle(), QStringLiteral("KeyConfig"));
    QCOMPARE(dialog.size(), QSize(624, 373));
    auto *tabs = child<QTabWidget>(&dialog, QStringLiteral("SSTab1"));
    QCOMPARE(tabs->currentIndex(), 1);
    QCOMPARE(tabs->tabText(0), QStringLiteral("TP"));
    QCOMPARE(tabs->tabText(1), QStringLiteral("miniTP"));
    QCOMPARE(dialog.findChildren<keyconfig::CaptureBox *>().size(), 70);
    QCOMPARE(dialog.findChildren<QLabel *>(QRegularExpression(QStringLiteral("^Label1\\(\\d+\\)$"))).size(), 62);
    QVERIFY(!child<QPushButton>(&dialog, QStringLiteral("cmdOK"))->isDefault());
    QVERIFY(!child<QPushButton>(&dialog, QStringLiteral("cmdCancel"))->autoDefault());
}

void TestKeyConfig::noCaptionIsCut()
{
    frmKeyConfig dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto *tabs = child<QTabWidget>(&dialog, QStringLiteral("SSTab1"));
    for (int page = 0; page < 2; ++page) {
        tabs->setCurrentIndex(page);
        QCOMPARE(clippedCaptions(&dialog), QStringList());
    }
}

void TestKeyConfig::okAtOnceWritesDefaults()
{
    frmKeyConfig dialog;
    dialog.show();
    click(&dialog, QStringLiteral("cmdOK"));
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    const QByteArray bytes = fileBytes();
    QCOMPARE(bytes.size(), 256);
    QCOMPARE(bytes.mid(28, 2), QByteArray("\x0D\x00", 2));
    QCOMPARE(bytes.mid(40, 2), QByteArray("\x00\x01", 2));
}

void TestKeyConfig::capture_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("stored");
    QTest::newRow("Shift+F2") << int(Qt::Key_F2) << int(Qt::ShiftModifier) << QStringLiteral("113 + [S]") << 369;
    QTest::newRow("a") << int(Qt::Key_A) << int(Qt::NoModifier) << QStringLiteral("65") << 65;
    QTest::newRow("Ctrl+Alt+F1") << int(Qt::Key_F1) << int(Qt::ControlModifier | Qt::AltModifier)
                                 << QStringLiteral("112 + [C] + [A]") << 1648;
    QTest::newRow("Enter") << int(Qt::Key_Return) << int(Qt::NoModifier) << QStringLiteral("13") << 13;
    QTest::newRow("Escape") << int(Qt::Key_Escape) << int(Qt::NoModifier) << QStringLiteral("27") << 27;
    QTest::newRow("Up") << int(Qt::Key_Up) << int(Qt::NoModifier) << QStringLiteral("38") << 38;
    QTest::newRow("keypad 3 with Alt") << int(Qt::Key_3) << int(Qt::KeypadModifier | Qt::AltModifier)
                                       << QStringLiteral("99 + [A]") << 1123;
}

void TestKeyConfig::capture()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, shown);
    QFETCH(int, stored);
    frmKeyConfig dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto *box = child<QLineEdit>(&dialog, QStringLiteral("txtConfig(71)")); // miniTP "OK : ", slot 78
    box->setFocus();
    QCOMPARE(box->text(), QString());
    QTest::keyPress(box, Qt::Key_Shift, Qt::ShiftModifier); // a modifier alone changes nothing
    QTest::keyRelease(box, Qt::Key_Shift, Qt::NoModifier);
    QCOMPARE(int(dialog.keyMap().slot(78)), 13);
    QTest::keyClick(box, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(box->text(), shown);
    QVERIFY(dialog.isVisible()); // Enter and Escape are captured, not taken by the dialog
    click(&dialog, QStringLiteral("cmdOK"));
    QCOMPARE(int(slotInFile(78)), stored);
}

void TestKeyConfig::enteringAndLeavingKeepsOldCode()
{
    frmKeyConfig dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto *box = child<QLineEdit>(&dialog, QStringLiteral("txtConfig(73)")); // miniTP "Stop : ", slot 66
    box->setFocus();
    QCOMPARE(box->text(), QString());
    QTest::keyClick(box, Qt::Key_Tab);
    QVERIFY(!box->hasFocus());
    QCOMPARE(int(dialog.keyMap().slot(66)), 19);
    click(&dialog, QStringLiteral("cmdOK"));
    QCOMPARE(int(slotInFile(66)), 19);
}

void TestKeyConfig::typedTextNeverShows()
{
    frmKeyConfig dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto *box = child<QLineEdit>(&dialog, QStringLiteral("txtConfig(64)"));
    box->setFocus();
    QTest::keyClicks(box, QStringLiteral("ab"));
    QCOMPARE(box->text(), QStringLiteral("66"));
    box->insert(QStringLiteral("pasted")); // text arriving by any other way is replaced at once
    QCOMPARE(box->text(), QStringLiteral("66"));
}

void TestKeyConfig::cancelLeavesFileUntouched()
{
    QByteArray original(300, '\0');
    for (int i = 0; i < original.size(); ++i)
        original[i] = static_cast<char>(255 - i);
    writeFile(original);
    frmKeyConfig dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto *box = child<QLineEdit>(&dialog, QStringLiteral("txtConfig(64)"));
    box->setFocus();
    QTest::keyClick(box, Qt::Key_F5);
    click(&dialog, QStringLiteral("cmdCancel"));
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QCOMPARE(fileBytes(), original);
}

void TestKeyConfig::loadedFileFillsBoxes()
{
    QByteArray bytes(10, '\0'); // short file: slots 0-4, zeros after
    bytes[4] = '\x70';          // slot 2 (TP "Stop : ") = 112
    writeFile(bytes);
    frmKeyConfig dialog;
    QCOMPARE(boxText(dialog, 33), QStringLiteral("112"));
    QCOMPARE(boxText(dialog, 8), QString());              // slot 14 is 0: the design text stays
    QCOMPARE(boxText(dialog, 10), QStringLiteral("16"));  // Shift box keeps its design text
    QCOMPARE(int(dialog.keyMap().slot(14)), 0);
}

void TestKeyConfig::openingBlanksNoBoxAndEscapeClosesNothing()
{
    frmKeyConfig dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    // with the defaults every box has a key, so none may be blank
    for (keyconfig::CaptureBox *box : dialog.findChildren<keyconfig::CaptureBox *>())
        QVERIFY2(!box->text().isEmpty(), qPrintable(box->objectName()));
    auto *ok = child<QPushButton>(&dialog, QStringLiteral("cmdOK"));
    ok->setFocus();
    QTest::keyClick(ok, Qt::Key_Escape);
    QTest::keyClick(ok, Qt::Key_Return);
    QVERIFY(dialog.isVisible());
    QVERIFY(!QFile::exists(QStringLiteral("vkey.dat")));
}

void TestKeyConfig::failedSaveKeepsDialogOpen_data()
{
    QTest::addColumn<QString>("fault");
    QTest::newRow("disk full") << "disk full";
    QTest::newRow("unwritable directory") << "unwritable directory"; // no one, root included, may create files there
    QTest::newRow("vkey.dat a FIFO") << "fifo"; // nobody writes it: a plain open would never return
}

void TestKeyConfig::failedSaveKeepsDialogOpen()
{
    QFETCH(QString, fault);
    if (fault == QLatin1String("disk full"))
        writeFile(QByteArray(256, '\x22'));
    else if (fault == QLatin1String("fifo"))
        QCOMPARE(mkfifo("vkey.dat", 0600), 0);
    else
        QVERIFY(QDir::setCurrent(QStringLiteral("/proc/self")));
    const bool fifo = fault == QLatin1String("fifo");
    const QByteArray before = fifo ? QByteArray() : fileBytes();
    frmKeyConfig dialog;
    if (fifo)
        QCOMPARE(dialog.keyMap(), keymap::KeyMap()); // as for a file that cannot be read: nothing bound
    dialog.show();
    QString message;
    whenModal<QMessageBox>([&](QMessageBox *box) {
        message = box->text();
        box->accept();
    });
    {
        testing::FileSizeLimit limit(fault == QLatin1String("disk full") ? 64 : RLIM_INFINITY);
        click(&dialog, QStringLiteral("cmdOK"));
    }
    QVERIFY2(message.contains(QStringLiteral("vkey.dat")), qPrintable(message));
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.result(), 0);
    if (fifo) {
        struct stat status{};
        QVERIFY(stat("vkey.dat", &status) == 0 && S_ISFIFO(status.st_mode));
    } else {
        QCOMPARE(fileBytes(), before);
    }
}

QTEST_MAIN(TestKeyConfig)
#include "tst_keyconfig.moc"
