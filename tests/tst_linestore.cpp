// The event log's store, its find matching and its model, without a window.
#include "eventlog/linestore.h"
#include "eventlog/logmodel.h"

#include <QSignalSpy>
#include <QTest>

using eventlog::LineStore;
using eventlog::Needle;

class TestLineStore : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void linesComeBackAsStored_data();
    void linesComeBackAsStored();
    void needleMatches_data();
    void needleMatches();
    void findWrapsBothWays();
    void modelAnnouncesOncePerTurn();
};

void TestLineStore::linesComeBackAsStored_data()
{
    QTest::addColumn<QString>("line");
    QTest::newRow("tab at the end") << QStringLiteral("33 : 1, 2, 3, 4\t");
    QTest::newRow("Japanese") << QStringLiteral("LCD : 日本語のテキスト");
    QTest::newRow("10,000 characters") << QString(10000, QLatin1Char('x'));
    QTest::newRow("empty") << QString();
    QTest::newRow("longer than a block") << QString(700000, QChar(0x6587)); // three UTF-8 bytes each
}

void TestLineStore::linesComeBackAsStored()
{
    QFETCH(QString, line);
    LineStore store;
    store.append(u"before");
    store.append(line);
    store.append(u"after");
    QCOMPARE(store.size(), 3);
    QCOMPARE(store.line(0), QStringLiteral("before"));
    QCOMPARE(store.line(1), line);
    QCOMPARE(store.utf8(1), line.toUtf8());
    QCOMPARE(store.line(2), QStringLiteral("after"));
    QCOMPARE(store.longestRow(), line.toUtf8().size() > 6 ? 1 : 0);
    const quint64 generation = store.generation();
    store.clear();
    QCOMPARE(store.size(), 0);
    QCOMPARE(store.longestRow(), -1);
    QVERIFY(store.generation() != generation);
}

void TestLineStore::needleMatches_data()
{
    QTest::addColumn<QString>("needle");
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("found");
    QTest::newRow("A-Z either case") << "KEYDOWN" << "keydown : 2" << true;
    QTest::newRow("in the middle") << "own : 2" << "KeyDown : 2" << true;
    QTest::newRow("Japanese exactly") << "日本" << "LCD : 日本語" << true;
    QTest::newRow("other letters keep their case") << "Ä" << "ä" << false;
    QTest::newRow("longer than the line") << "KeyDown : 12" << "KeyDown : 1" << false;
    QTest::newRow("empty finds nothing") << "" << "anything" << false;
}

void TestLineStore::needleMatches()
{
    QFETCH(QString, needle);
    QFETCH(QString, line);
    QFETCH(bool, found);
    QCOMPARE(Needle(needle).foundIn(line.toUtf8()), found);
}

void TestLineStore::findWrapsBothWays()
{
    LineStore store;
    for (const char *line : {"KeyDown : 1", "LED : 1, 1", "keydown : 2", "Beep : 100"})
        store.append(QString::fromLatin1(line));
    const Needle key(u"KEYDOWN");
    QCOMPARE(store.find(key, 1, 4, true), 2);
    QCOMPARE(store.find(key, 3, 4, true), 0);  // round the end
    QCOMPARE(store.find(key, 1, 4, false), 0);
    QCOMPARE(store.find(key, 1, 1, true), -1); // only row 1 looked at
    QCOMPARE(store.find(Needle(u"Joint"), 0, 4, true), -1);
}

void TestLineStore::modelAnnouncesOncePerTurn()
{
    eventlog::LogModel model;
    QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
    for (int i = 0; i < 1000; ++i)
        model.append(QString::number(i));
    QCOMPARE(model.store().size(), 1000);
    QCOMPARE(model.rowCount(), 0); // stored now, shown at the next turn
    QTRY_COMPARE(model.rowCount(), 1000);
    QCOMPARE(inserted.size(), 1);
    QCOMPARE(model.index(999, 0).data().toString(), QStringLiteral("999"));

    model.setHighlight(Needle(u"99"));
    QVERIFY(model.index(99, 0).data(Qt::BackgroundRole).isValid());
    QVERIFY(!model.index(98, 0).data(Qt::BackgroundRole).isValid());

    QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
    model.clear();
    QCOMPARE(reset.size(), 1);
    QCOMPARE(model.rowCount(), 0);
}

QTEST_GUILESS_MAIN(TestLineStore)
#include "tst_linestore.moc"
