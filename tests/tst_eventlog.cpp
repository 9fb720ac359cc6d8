// The event log through the real main window: what it keeps, copy, Save Log…, Record to File…, the find bar and
// message bursts.
#include "console/frmMain.h"
#include "eventlog/findbar.h"
#include "eventlog/logmodel.h"
#include "eventlog/logview.h"
#include "filesizelimit.h"
#include "recordingprovider.h"
#include "widgetdriver.h"

#include <QCheckBox>
#include <QClipboard>
#include <QDateTime>
#include <QFileDialog>
#include <QMenu>
#include <QRegularExpression>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QListView>
#include <QSignalSpy>
#include <QStringListModel>
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
    void selectsAsAPlainListDoes_data();
    void selectsAsAPlainListDoes();
    void findWrapsBothWaysAndLeavesTheLogAlone();
    void burstArrivesWholeWhileTheLoopKeepsTurning();
    void recordingKeepsEveryLineOnScreen_data();
    void recordingKeepsEveryLineOnScreen();
    void rotationKeepsTheNewestFilesAndEveryLine();
    void failureStopsRecordingOnAWholeLine_data();
    void failureStopsRecordingOnAWholeLine();

private:
    // The texts of the log's context menu, as it pops up.
    [[nodiscard]] QStringList contextMenu(const QString &trigger = {});
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
    QTest::addColumn<QByteArray>("inFile"); // as a saved log and a record hold it: one file line per log line
    QTest::newRow("Japanese and a tab") << QStringLiteral("LCD : 日本語のテキスト\t") << QByteArray("LCD : 日本語のテキスト\t");
    QTest::newRow("empty") << QString() << QByteArray();
    QTest::newRow("line breaks inside") << QStringLiteral("LCD : first half\nsecond half\r\nthird")
                                        << QByteArray("LCD : first half\\nsecond half\\r\\nthird");
}

void TestEventLog::linesRoundTripThroughCopyAndSave()
{
    QFETCH(QString, line);
    QFETCH(QByteArray, inFile);
    const QString record = m_dir->filePath(QStringLiteral("record.txt"));
    QCOMPARE(log().startRecording(record, eventlog::RecordOptions{}), QString());
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
    const QByteArray expected = QByteArray("before\n") + inFile + QByteArray("\nafter\n");
    QCOMPARE(savedBytes(path), expected);
    log().stopRecording();
    QFile recorded(record);
    QVERIFY(recorded.open(QIODevice::ReadOnly));
    QCOMPARE(recorded.readAll(), expected);
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

void TestEventLog::selectsAsAPlainListDoes_data()
{
    // Steps: "click N", "shift N", "ctrl N" (mouse on row N), "drag A B" (press on A, move to B, release),
    // and keys "up", "down", "home", "end", each with an optional "shift+" in front.
    QTest::addColumn<QStringList>("steps");
    QTest::newRow("shift-click below") << QStringList{"click 2", "shift 6"};
    QTest::newRow("shift-click above") << QStringList{"click 6", "shift 2"};
    QTest::newRow("shift+up twice") << QStringList{"click 6", "shift+up", "shift+up"};
    QTest::newRow("shift+down, then back up past the start") << QStringList{"click 4", "shift+down", "shift+up", "shift+up"};
    QTest::newRow("shift+home") << QStringList{"click 5", "shift+home"};
    QTest::newRow("shift+end") << QStringList{"click 5", "shift+end"};
    QTest::newRow("ctrl-clicks, then shift-click above") << QStringList{"click 7", "ctrl 1", "ctrl 9", "shift 3"};
    QTest::newRow("drag upwards") << QStringList{"drag 8 3"};
    QTest::newRow("drag downwards") << QStringList{"drag 1 4"};
}

// The same steps on the log and on a plain list view: the same rows end up selected and current.
void TestEventLog::selectsAsAPlainListDoes()
{
    QFETCH(QStringList, steps);
    QStringList lines;
    for (int i = 0; i < 10; ++i)
        lines << QStringLiteral("line %1").arg(i);
    eventlog::LogView logView;
    for (const QString &line : lines)
        logView.append(line);
    QStringListModel plainModel(lines);
    QListView plain;
    plain.setModel(&plainModel);
    plain.setSelectionMode(QAbstractItemView::ExtendedSelection);
    for (QAbstractItemView *view : {static_cast<QAbstractItemView *>(&logView), static_cast<QAbstractItemView *>(&plain)}) {
        view->resize(300, 400);
        view->show();
        QVERIFY(QTest::qWaitForWindowExposed(view));
        logView.logModel().announcePending();
        auto centre = [view](const QString &row) { return view->visualRect(view->model()->index(row.toInt(), 0)).center(); };
        for (const QString &step : steps) {
            const QStringList words = step.split(QLatin1Char(' '));
            if (words[0] == QLatin1String("click") || words[0] == QLatin1String("shift") || words[0] == QLatin1String("ctrl")) {
                const Qt::KeyboardModifiers modifiers = words[0] == QLatin1String("shift")  ? Qt::ShiftModifier
                                                        : words[0] == QLatin1String("ctrl") ? Qt::ControlModifier
                                                                                            : Qt::NoModifier;
                QTest::mouseClick(view->viewport(), Qt::LeftButton, modifiers, centre(words[1]));
            } else if (words[0] == QLatin1String("drag")) {
                QTest::mousePress(view->viewport(), Qt::LeftButton, Qt::NoModifier, centre(words[1]));
                QMouseEvent move(QEvent::MouseMove, centre(words[2]), view->viewport()->mapToGlobal(centre(words[2])),
                                 Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
                QApplication::sendEvent(view->viewport(), &move);
                QTest::mouseRelease(view->viewport(), Qt::LeftButton, Qt::NoModifier, centre(words[2]));
            } else {
                const bool shift = step.startsWith(QLatin1String("shift+"));
                const QString key = shift ? step.mid(6) : step;
                const Qt::Key code = key == QLatin1String("up") ? Qt::Key_Up : key == QLatin1String("down") ? Qt::Key_Down
                                     : key == QLatin1String("home")                                          ? Qt::Key_Home
                                                                                                             : Qt::Key_End;
                QTest::keyClick(view, code, shift ? Qt::ShiftModifier : Qt::NoModifier);
            }
        }
    }
    auto selectedRows = [](const QAbstractItemView &view) {
        QList<int> rows;
        for (const QModelIndex &index : view.selectionModel()->selectedIndexes())
            rows << index.row();
        std::sort(rows.begin(), rows.end());
        return rows;
    };
    const QList<int> expected = selectedRows(plain);
    QVERIFY(!expected.isEmpty());
    QCOMPARE(selectedRows(logView), expected);
    QCOMPARE(logView.currentIndex().row(), plain.currentIndex().row());
    QStringList copied;
    for (int row : expected)
        copied << lines[row];
    logView.setFocus();
    QTest::keySequence(&logView, QKeySequence::Copy);
    QCOMPARE(QGuiApplication::clipboard()->text(), copied.join(QLatin1Char('\n')));
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

QStringList TestEventLog::contextMenu(const QString &trigger)
{
    QStringList texts;
    QTimer::singleShot(50, this, [&] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        if (!menu)
            return;
        for (QAction *action : menu->actions()) {
            texts << action->text();
            if (action->text() == trigger)
                action->trigger();
        }
        menu->close();
    });
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(10, 10), log().viewport()->mapToGlobal(QPoint(10, 10)));
    QApplication::sendEvent(log().viewport(), &event);
    return texts;
}

namespace {
QStringList fileLines(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    if (lines.last().isEmpty())
        lines.removeLast();
    else
        lines << QStringLiteral("(no line end)");
    return lines;
}
} // namespace

void TestEventLog::recordingKeepsEveryLineOnScreen_data()
{
    QTest::addColumn<bool>("timestamps");
    QTest::newRow("plain") << false;
    QTest::newRow("time-stamped") << true;
}

// Started from the context menu's dialog: a burst of 100,000 messages, lines with tabs and Japanese, and a Clear
// that leaves the file alone; the file holds every line that entered the log, in order.
void TestEventLog::recordingKeepsEveryLineOnScreen()
{
    QFETCH(bool, timestamps);
    const QString path = m_dir->filePath(QStringLiteral("record.txt"));
    QVERIFY(contextMenu().contains(QStringLiteral("Record to File…")));
    whenModal<QFileDialog>([&](QFileDialog *dialog) {
        // Typed into the name field, as a person does: selectFile() leaves that field alone while it has the focus.
        dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(path);
        dialog->findChild<QCheckBox *>(QStringLiteral("recordTimestamps"))->setChecked(timestamps);
        static_cast<QDialog *>(dialog)->accept(); // as the Save button does
    });
    (void)contextMenu(QStringLiteral("Record to File…"));
    QTRY_VERIFY(log().recorder().isRecording());
    QVERIFY(contextMenu().contains(QStringLiteral("Stop Recording")));

    QStringList entered;
    m_window->AddLog(1, QStringLiteral("LCD : 日本語\tand a tab"));
    click(m_window.get(), QStringLiteral("cmdEng(0)"));
    constexpr int Burst = 100000;
    for (int i = 0; i < Burst; ++i)
        (*m_provider)->sink->raise(1, cao::Value::i4(i));
    const eventlog::LineStore &store = log().logModel().store();
    QTRY_VERIFY_WITH_TIMEOUT(store.size() >= qsizetype(Burst), 60000);
    for (qsizetype row = 0; row < store.size(); ++row)
        entered << store.line(row);
    click(m_window.get(), QStringLiteral("cmdTester(1)")); // Clear
    m_window->AddLog(1, QStringLiteral("after Clear"));
    entered << QStringLiteral("after Clear");
    // Without stopping: the lines reach the file on their own, soon.
    QTRY_COMPARE_WITH_TIMEOUT(fileLines(path).size(), entered.size(), 5000);
    (void)contextMenu(QStringLiteral("Stop Recording"));
    QVERIFY(!log().recorder().isRecording());
    m_window->AddLog(1, QStringLiteral("not recorded"));

    QStringList lines = fileLines(path);
    QCOMPARE(lines.size(), entered.size());
    if (timestamps) {
        const QRegularExpression stamped(QStringLiteral("^(\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d\\.\\d{3}[+-]\\d\\d:\\d\\d)\t"));
        QDateTime previous;
        for (QString &line : lines) {
            const QRegularExpressionMatch match = stamped.match(line);
            QVERIFY2(match.hasMatch(), qPrintable(line));
            const QDateTime time = QDateTime::fromString(match.captured(1), Qt::ISODateWithMs);
            QVERIFY2(time.isValid() && (!previous.isValid() || time >= previous), qPrintable(line));
            QVERIFY(qAbs(time.secsTo(QDateTime::currentDateTime())) < 600);
            previous = time;
            line = line.mid(match.capturedLength());
        }
    }
    for (int k = 0; k < entered.size(); ++k)
        if (lines[k] != entered[k])
            QFAIL(qPrintable(QStringLiteral("line %1 is \"%2\", not \"%3\"").arg(k).arg(lines[k], entered[k])));
}

// Each file stays under the limit; the newest K old ones are kept; no line is lost or split across a rotation; the
// lines a file held before are kept (the command line adds to a file).
void TestEventLog::rotationKeepsTheNewestFilesAndEveryLine()
{
    const QString path = m_dir->filePath(QStringLiteral("night.log"));
    {
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("the old log\n");
    }
    eventlog::RecordOptions options;
    options.maxBytes = 4096;
    options.keep = 3;
    QCOMPARE(log().startRecording(path, options), QString());
    constexpr int Lines = 3000; // about 110 KB: many rotations
    for (int i = 0; i < Lines; ++i)
        m_window->AddLog(1, QStringLiteral("line %1 of the night").arg(i, 6, 10, QLatin1Char('0')));
    log().stopRecording();

    QVERIFY(!QFile::exists(path + QStringLiteral(".4")));
    QStringList kept;
    for (const QString &file : {path + QStringLiteral(".3"), path + QStringLiteral(".2"), path + QStringLiteral(".1"), path}) {
        QVERIFY2(QFileInfo(file).size() > 0 && QFileInfo(file).size() <= options.maxBytes, qPrintable(file));
        kept << fileLines(file);
    }
    // The newest lines, every one, in order, up to the last.
    QVERIFY(kept.size() > 300);
    const int first = Lines - int(kept.size());
    for (int k = 0; k < kept.size(); ++k)
        QCOMPARE(kept[k], QStringLiteral("line %1 of the night").arg(first + k, 6, 10, QLatin1Char('0')));

    // Few lines, no limit: the old lines stay ahead of the new ones.
    const QString small = m_dir->filePath(QStringLiteral("small.log"));
    {
        QFile old(small);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("the old log\n");
    }
    QCOMPARE(log().startRecording(small, {}), QString());
    m_window->AddLog(1, QStringLiteral("new"));
    log().stopRecording();
    QCOMPARE(fileLines(small), (QStringList{"the old log", "new"}));
}

void TestEventLog::failureStopsRecordingOnAWholeLine_data()
{
    QTest::addColumn<bool>("removed");
    QTest::newRow("file-size limit") << false;
    QTest::newRow("file removed") << true;
}

void TestEventLog::failureStopsRecordingOnAWholeLine()
{
    QFETCH(bool, removed);
    const QString path = m_dir->filePath(QStringLiteral("record.txt"));
    QSignalSpy failed(&log(), &eventlog::LogView::recordingFailed);
    constexpr int Lines = 20000; // about 700 KB
    {
        std::unique_ptr<FileSizeLimit> limit;
        if (!removed)
            limit = std::make_unique<FileSizeLimit>(100000);
        QCOMPARE(log().startRecording(path, {}), QString());
        for (int i = 0; i < Lines; ++i) {
            m_window->AddLog(1, QStringLiteral("KeyDown : %1, a line of some length").arg(i));
            if (removed && i == 1000) {
                QTest::qWait(400); // on the disk by now
                QVERIFY(QFile::remove(path));
            }
        }
        QTRY_COMPARE_WITH_TIMEOUT(failed.size(), 1, 5000);
    }
    QVERIFY(!log().recorder().isRecording());
    QCOMPARE(log().logModel().store().size(), qsizetype(Lines));
    auto *box = m_window->findChild<QMessageBox *>(QStringLiteral("recordFailed"));
    QVERIFY(box);
    QVERIFY2(box->text().contains(QDir::toNativeSeparators(path)), qPrintable(box->text()));
    QVERIFY2(box->text().contains(removed ? QStringLiteral("removed") : QStringLiteral("too large")), qPrintable(box->text()));
    if (removed)
        return;
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(bytes.size() > 1000 && bytes.size() <= 100000);
    QVERIFY(bytes.endsWith('\n'));
    const QStringList lines = fileLines(path);
    for (int k = 0; k < lines.size(); ++k)
        QCOMPARE(lines[k], QStringLiteral("KeyDown : %1, a line of some length").arg(k));
}

QTEST_MAIN(TestEventLog)
#include "tst_eventlog.moc"
