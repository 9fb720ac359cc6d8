// The event log through the real main window: what it keeps, copy, Save Log…, the find bar and message bursts.
#include "console/frmMain.h"
#include "eventlog/findbar.h"
#include "eventlog/logmodel.h"
#include "eventlog/logview.h"
#include "filesizelimit.h"
#include "recordingprovider.h"
#include "widgetdriver.h"

#include <QClipboard>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTemporaryDir>

using namespace testing;

class TestEventLog : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void linesRoundTripThroughCopyAndSave_data();
    void linesRoundTripThroughCopyAndSave();
    void copiesTheSelectedLinesInLogOrder();
    void failedSaveIsReportedAndKeepsTheOldFile_data();
    void failedSaveIsReportedAndKeepsTheOldFile();
    void clickingAFarRowSelectsThatRow();
    void findWrapsBothWaysAndLeavesTheLogAlone();
    void burstArrivesWholeWhileTheLoopKeepsTurning();

private:
    [[nodiscard]] eventlog::LogView &log() const
    {
        return *child<eventlog::LogView>(m_window.get(), QStringLiteral("lstLog"));
    }
    [[nodiscard]] QByteArray savedBytes(const QString &path);

    std::unique_ptr<RecordingProviderScope> m_provider;
    std::unique_ptr<frmMain> m_window;
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestEventLog::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_provider = std::make_unique<RecordingProviderScope>();
    m_window = std::make_unique<frmMain>();
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void TestEventLog::cleanup()
{
    m_window.reset();
    m_provider.reset();
}

QByteArray TestEventLog::savedBytes(const QString &path)
{
    QSignalSpy finished(&log(), &eventlog::LogView::saveFinished);
    log().saveLog(path);
    if (!finished.wait(10000) || !finished.first().at(0).toBool())
        return "(not saved)";
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

void TestEventLog::linesRoundTripThroughCopyAndSave_data()
{
    QTest::addColumn<QString>("line");
    QTest::newRow("tab at the end") << QStringLiteral("33 : 1, 2, 3, 4\t");
    QTest::newRow("Japanese") << QStringLiteral("LCD : 日本語のテキスト");
    QTest::newRow("10,000 characters") << QString(10000, QLatin1Char('x'));
    QTest::newRow("empty") << QString();
}

void TestEventLog::linesRoundTripThroughCopyAndSave()
{
    QFETCH(QString, line);
    m_window->AddLog(1, QStringLiteral("before"));
    m_window->AddLog(1, line);
    m_window->AddLog(1, QStringLiteral("after"));
    QCOMPARE(listLines(m_window.get(), QStringLiteral("lstLog")),
             (QStringList{QStringLiteral("before"), line, QStringLiteral("after")}));

    log().setFocus();
    QTest::keySequence(&log(), QKeySequence::SelectAll);
    QTest::keySequence(&log(), QKeySequence::Copy);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("before\n") + line + QStringLiteral("\nafter"));

    const QString path = m_dir->filePath(QStringLiteral("log.txt"));
    QCOMPARE(savedBytes(path), QByteArray("before\n") + line.toUtf8() + QByteArray("\nafter\n"));
}

void TestEventLog::copiesTheSelectedLinesInLogOrder()
{
    for (const char *text : {"zero", "one", "two", "three"})
        m_window->AddLog(1, QString::fromLatin1(text));
    QCoreApplication::processEvents();
    auto rowCentre = [this](int row) { return log().visualRect(log().model()->index(row, 0)).center(); };
    QTest::mouseClick(log().viewport(), Qt::LeftButton, Qt::NoModifier, rowCentre(3));
    QTest::mouseClick(log().viewport(), Qt::LeftButton, Qt::ControlModifier, rowCentre(0));
    QTest::mouseClick(log().viewport(), Qt::LeftButton, Qt::ControlModifier, rowCentre(2));
    QTest::keySequence(&log(), QKeySequence::Copy);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("zero\ntwo\nthree"));
    QCOMPARE(listLines(m_window.get(), QStringLiteral("lstLog")).size(), 4);
}

void TestEventLog::failedSaveIsReportedAndKeepsTheOldFile_data()
{
    QTest::addColumn<QString>("relativePath");
    QTest::addColumn<bool>("fileTooLarge");
    QTest::newRow("directory missing") << QStringLiteral("missing/log.txt") << false;
    QTest::newRow("disk full while writing") << QStringLiteral("log.txt") << true;
}

void TestEventLog::failedSaveIsReportedAndKeepsTheOldFile()
{
    QFETCH(QString, relativePath);
    QFETCH(bool, fileTooLarge);
    const QString path = m_dir->filePath(relativePath);
    if (fileTooLarge) {
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("the old log\n");
    }
    m_window->AddLog(1, QString(100000, QLatin1Char('y')));
    QSignalSpy finished(&log(), &eventlog::LogView::saveFinished);
    {
        std::unique_ptr<FileSizeLimit> limit;
        if (fileTooLarge)
            limit = std::make_unique<FileSizeLimit>(4096);
        log().saveLog(path);
        QVERIFY(finished.wait(10000));
    }
    QCOMPARE(finished.first().at(0).toBool(), false);
    QVERIFY(!finished.first().at(1).toString().isEmpty());
    auto *box = m_window->findChild<QMessageBox *>(QStringLiteral("saveFailed"));
    QVERIFY(box);
    QVERIFY(box->text().contains(QDir::toNativeSeparators(path)));
    if (fileTooLarge) {
        QFile old(path);
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), QByteArray("the old log\n"));
    } else {
        QVERIFY(!QFile::exists(path));
    }
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), fileTooLarge ? QStringList{QStringLiteral("log.txt")} : QStringList());
}

void TestEventLog::clickingAFarRowSelectsThatRow()
{
    // Far down a long log, what is drawn where must still be what a click or Shift+Down picks.
    for (int i = 0; i < 200000; ++i)
        m_window->AddLog(1, QString::number(i));
    QCoreApplication::processEvents();
    const QModelIndex far = log().model()->index(150000, 0);
    log().scrollTo(far, QAbstractItemView::PositionAtCenter);
    const QRect rect = log().visualRect(far);
    QVERIFY(log().viewport()->rect().contains(rect.center()));
    QCOMPARE(log().indexAt(rect.center()), far);
    QTest::mouseClick(log().viewport(), Qt::LeftButton, Qt::NoModifier, rect.center());
    QTest::keyClick(&log(), Qt::Key_Down, Qt::ShiftModifier);
    QTest::keySequence(&log(), QKeySequence::Copy);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("150000\n150001"));
    QTest::keyClick(&log(), Qt::Key_End);
    QCOMPARE(log().currentIndex().row(), 199999);
    QVERIFY(log().viewport()->rect().intersects(log().visualRect(log().currentIndex())));
}

void TestEventLog::findWrapsBothWaysAndLeavesTheLogAlone()
{
    const QStringList lines{QStringLiteral("KeyDown : 1"), QStringLiteral("LED : 1, 1"), QStringLiteral("keydown : 2"),
                            QStringLiteral("Beep : 100")};
    for (const QString &line : lines)
        m_window->AddLog(1, line);
    QTest::keySequence(m_window.get(), QKeySequence::Find);
    eventlog::FindBar &bar = log().findBar();
    QVERIFY(bar.isVisible());
    auto *text = child<QLineEdit>(&bar, QStringLiteral("txtFind"));
    QVERIFY(text->hasFocus());

    QTest::keyClicks(text, QStringLiteral("KEYDOWN"));
    QCOMPARE(log().currentIndex().row(), 0);
    QTest::keyClick(text, Qt::Key_Return);
    QCOMPARE(log().currentIndex().row(), 2);
    QCOMPARE(bar.status(), QString());
    QTest::keyClick(text, Qt::Key_Return);
    QCOMPARE(log().currentIndex().row(), 0);
    QCOMPARE(bar.status(), QStringLiteral("Wrapped"));
    QTest::keyClick(text, Qt::Key_Return, Qt::ShiftModifier);
    QCOMPARE(log().currentIndex().row(), 2);
    QCOMPARE(bar.status(), QStringLiteral("Wrapped"));
    QCOMPARE(log().selectionModel()->selectedRows().size(), 1);
    QVERIFY(log().model()->index(0, 0).data(Qt::BackgroundRole).isValid());
    QVERIFY(!log().model()->index(1, 0).data(Qt::BackgroundRole).isValid());

    text->selectAll();
    QTest::keyClicks(text, QStringLiteral("Joint"));
    QCOMPARE(bar.status(), QStringLiteral("No match"));
    QCOMPARE(log().currentIndex().row(), 2);

    QTest::keyClick(text, Qt::Key_Escape);
    QVERIFY(!bar.isVisible());
    QVERIFY(!log().model()->index(0, 0).data(Qt::BackgroundRole).isValid());
    QCOMPARE(listLines(m_window.get(), QStringLiteral("lstLog")), lines);
}

void TestEventLog::burstArrivesWholeWhileTheLoopKeepsTurning()
{
    click(m_window.get(), QStringLiteral("cmdEng(0)"));
    QVERIFY(m_window->controller());
    constexpr int Burst = 100000;
    for (int i = 0; i < Burst; ++i)
        (*m_provider)->sink->raise(1, cao::Value::i4(i));

    QElapsedTimer sinceTick;
    qint64 longestGapMs = 0;
    QTimer tick;
    tick.setTimerType(Qt::PreciseTimer);
    connect(&tick, &QTimer::timeout, this, [&] {
        longestGapMs = std::max(longestGapMs, sinceTick.elapsed());
        sinceTick.start();
    });
    QSignalSpy insertions(&log().logModel(), &QAbstractItemModel::rowsInserted);
    sinceTick.start();
    tick.start(1);
    const eventlog::LineStore &store = log().logModel().store();
    QTRY_COMPARE_WITH_TIMEOUT(store.size(), qsizetype(Burst), 60000);
    tick.stop();
    for (int i = 0; i < Burst; ++i) {
        if (store.line(i) != QStringLiteral("KeyDown : ") + QString::number(i))
            QFAIL(qPrintable(QStringLiteral("line %1 is \"%2\"").arg(i).arg(store.line(i))));
    }
    // Tens of milliseconds of work even in a release build: it must have been spread over several turns.
    QVERIFY2(insertions.size() > 1, "the whole burst was delivered in one turn of the event loop");
    QVERIFY2(longestGapMs <= 100, qPrintable(QStringLiteral("the event loop waited %1 ms").arg(longestGapMs)));
}

QTEST_MAIN(TestEventLog)
#include "tst_eventlog.moc"
