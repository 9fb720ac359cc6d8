// The key map file: defaults, loading, saving and the display text of a binding.
#include "keymap/keymap.h"
#include "keymap/virtualkeys.h"
#include "filesizelimit.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace keymap;

namespace {
QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeAll(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}
} // namespace

class TestKeyMap : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void displayText_data();
    void displayText();
    void defaultsOfTheTable_data();
    void defaultsOfTheTable();
    void missingFileGivesDefaultsAndCreatesNothing();
    void savesLittleEndianTable();
    void saveKeepsTailOfLongerFile();
    void loadsShortFileWithZeros();
    void loadsFirst256BytesOfLongerFile();
    void failedSaveLeavesOldFile();
    void saveKeepsEveryByteOfEveryLength();
    void fifoIsNeitherReadNorWritten();
    void virtualKeys_data();
    void virtualKeys();
};

void TestKeyMap::displayText_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("112") << 112 << QStringLiteral("112");
    QTest::newRow("609") << 609 << QStringLiteral("97 + [C]");
    QTest::newRow("256") << 256 << QStringLiteral("0 + [S]");
    QTest::newRow("1648") << 1648 << QStringLiteral("112 + [C] + [A]");
    QTest::newRow("all three") << (0x100 | 0x200 | 0x400 | 65) << QStringLiteral("65 + [S] + [C] + [A]");
}

void TestKeyMap::displayText()
{
    QFETCH(int, value);
    QFETCH(QString, text);
    QCOMPARE(keymap::displayText(static_cast<qint16>(value)), text);
}

void TestKeyMap::defaultsOfTheTable_data()
{
    QTest::addColumn<int>("slot");
    QTest::addColumn<int>("value");
    // one key of each kind and page, and slots without a key
    const int samples[][2] = {{14, 13}, {20, 256}, {41, 609}, {56, 1126}, {83, 256},
                              {90, 609}, {101, 38}, {111, 131}, {0, 0},    {127, 0}};
    for (const auto &sample : samples)
        QTest::addRow("slot %d", sample[0]) << sample[0] << sample[1];
}

void TestKeyMap::defaultsOfTheTable()
{
    QFETCH(int, slot);
    QFETCH(int, value);
    QCOMPARE(int(KeyMap::defaults().slot(slot)), value);
}

void TestKeyMap::missingFileGivesDefaultsAndCreatesNothing()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("vkey.dat"));
    QVERIFY(KeyMap::load(path) == KeyMap::defaults());
    QVERIFY(!QFile::exists(path));
}

void TestKeyMap::savesLittleEndianTable()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("vkey.dat"));
    KeyMap map = KeyMap::defaults();
    map.setSlot(127, -2);
    QVERIFY(map.save(path));
    const QByteArray bytes = readAll(path);
    QCOMPARE(bytes.size(), 256);
    QCOMPARE(bytes.mid(28, 2), QByteArray("\x0D\x00", 2));
    QCOMPARE(bytes.mid(40, 2), QByteArray("\x00\x01", 2));
    QCOMPARE(bytes.mid(254, 2), QByteArray("\xFE\xFF", 2));
    QVERIFY(KeyMap::load(path) == map);
}

void TestKeyMap::saveKeepsTailOfLongerFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("vkey.dat"));
    QByteArray old(300, '\0');
    for (int i = 0; i < old.size(); ++i)
        old[i] = static_cast<char>(i * 7);
    writeAll(path, old);
    QVERIFY(KeyMap::defaults().save(path));
    const QByteArray bytes = readAll(path);
    QCOMPARE(bytes.size(), 300);
    QCOMPARE(bytes.mid(256), old.mid(256));
    QCOMPARE(bytes.mid(28, 2), QByteArray("\x0D\x00", 2));
}

void TestKeyMap::loadsShortFileWithZeros()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("vkey.dat"));
    writeAll(path, QByteArray("\x01\x00\x02\x00\x03\x00\x04\x00\x05\x00", 10));
    const KeyMap map = KeyMap::load(path);
    for (int slot = 0; slot < 5; ++slot)
        QCOMPARE(int(map.slot(slot)), slot + 1);
    for (int slot = 5; slot < SlotCount; ++slot)
        QCOMPARE(int(map.slot(slot)), 0);
}

void TestKeyMap::loadsFirst256BytesOfLongerFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("vkey.dat"));
    QByteArray bytes(256, '\0');
    bytes[254] = '\x41';
    bytes.append(QByteArray(20, '\x7F'));
    writeAll(path, bytes);
    const KeyMap map = KeyMap::load(path);
    QCOMPARE(int(map.slot(127)), 0x41);
    QCOMPARE(int(map.slot(0)), 0);
}

void TestKeyMap::failedSaveLeavesOldFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("vkey.dat"));
    writeAll(path, QByteArray(256, '\x11'));
    QString error;
    {
        testing::FileSizeLimit diskFull(100); // the new content cannot be written whole
        QVERIFY(!KeyMap::defaults().save(path, &error));
    }
    QVERIFY2(error.contains(QLatin1String("short write, 100 of 256 bytes")), qPrintable(error));
    QCOMPARE(readAll(path), QByteArray(256, '\x11'));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("vkey.dat")}); // no leftovers
}

// Whatever its length, a file loaded and saved keeps its first 256 bytes (zero-padded) and every byte after them.
void TestKeyMap::saveKeepsEveryByteOfEveryLength()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("vkey.dat"));
    for (int length = 0; length <= 300; ++length) {
        QByteArray original;
        for (int k = 0; k < length; ++k)
            original.append(char((k * 37 + length) % 251 + 1)); // never 0, so a lost byte shows
        writeAll(path, original);
        QVERIFY(KeyMap::load(path).save(path));
        QByteArray expected = original.leftJustified(FileSize, '\0', false);
        QCOMPARE(readAll(path), expected);
    }
}

void TestKeyMap::fifoIsNeitherReadNorWritten()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("vkey.dat"));
    QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    LoadProblem problem = LoadProblem::None;
    QVERIFY(KeyMap::load(path, &problem) == KeyMap());
    QCOMPARE(problem, LoadProblem::NotRegularFile);
    QString error;
    QVERIFY(!KeyMap::defaults().save(path, &error));
    QVERIFY2(error.contains(QLatin1String("not a regular file")), qPrintable(error));
    struct stat status{};
    QVERIFY(stat(QFile::encodeName(path).constData(), &status) == 0 && S_ISFIFO(status.st_mode)); // still the FIFO
}

void TestKeyMap::virtualKeys_data()
{
    QTest::addColumn<int>("qtKey");
    QTest::addColumn<bool>("keypad");
    QTest::addColumn<int>("virtualKey");
    QTest::newRow("A") << int(Qt::Key_A) << false << 65;
    QTest::newRow("0") << int(Qt::Key_0) << false << 48;
    QTest::newRow("keypad 1") << int(Qt::Key_1) << true << 97;
    QTest::newRow("F1") << int(Qt::Key_F1) << false << 112;
    QTest::newRow("F24") << int(Qt::Key_F24) << false << 135;
    QTest::newRow("Left") << int(Qt::Key_Left) << false << 37;
    QTest::newRow("Return") << int(Qt::Key_Return) << false << 13;
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << true << 13;
    QTest::newRow("Escape") << int(Qt::Key_Escape) << false << 27;
    QTest::newRow("Delete") << int(Qt::Key_Delete) << false << 46;
    QTest::newRow("Shift") << int(Qt::Key_Shift) << false << 16;
    QTest::newRow("minus") << int(Qt::Key_Minus) << false << 189;
    QTest::newRow("keypad minus") << int(Qt::Key_Minus) << true << 109;
    QTest::newRow("exclam is 1") << int(Qt::Key_Exclam) << false << 49;
    QTest::newRow("unknown") << int(Qt::Key_LaunchMail) << false << 0;
}

void TestKeyMap::virtualKeys()
{
    QFETCH(int, qtKey);
    QFETCH(bool, keypad);
    QFETCH(int, virtualKey);
    QCOMPARE(virtualKeyFor(qtKey, keypad), virtualKey);
}

QTEST_GUILESS_MAIN(TestKeyMap)
#include "tst_keymap.moc"
