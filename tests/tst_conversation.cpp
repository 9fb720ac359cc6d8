// The provider's conversation with a pendant: each wait takes only its own reply, however waits nest and replies
// interleave, and what nobody waits for is traced as dropped.
#include "tavlox/conversation.h"
#include "tavlox/pendantlink.h"

#include <QElapsedTimer>
#include <QTest>
#include <QTimer>

using tavlox::Reply;
using tavlox::Request;
using tavlox::RequestKind;

namespace {
// A link whose pendant is the test: it sees each request and answers when the test says.
class ScriptedLink : public tavlox::PendantLink
{
public:
    void send(const Request &request) override
    {
        if (onSend)
            onSend(request);
    }
    [[nodiscard]] QString describe() const override { return QStringLiteral("scripted"); }
    void replyLater(int ms, quint32 id, int number)
    {
        QTimer::singleShot(ms, this, [this, id, number] { Q_EMIT replied(Reply{id, true, {}, {number}}); });
    }
    std::function<void(const Request &)> onSend;
};

QStringList droppedTraces;

void collectDropped(QtMsgType, const QMessageLogContext &context, const QString &message)
{
    if (QByteArray(context.category).startsWith("zandorex.tavlox") && message.contains(QLatin1String("dropped")))
        droppedTraces << message;
}
} // namespace

class TestConversation : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void nestedWaitsTakeOnlyTheirOwnReply_data();
    void nestedWaitsTakeOnlyTheirOwnReply();
    void lateReplyIsDroppedAndAnswersNothing();

private:
    QtMessageHandler m_previousHandler = nullptr;
};

void TestConversation::init()
{
    droppedTraces.clear();
    m_previousHandler = qInstallMessageHandler(collectDropped);
}

void TestConversation::cleanup()
{
    qInstallMessageHandler(m_previousHandler);
}

void TestConversation::nestedWaitsTakeOnlyTheirOwnReply_data()
{
    QTest::addColumn<int>("outerReplyMs"); // after the outer request went out
    QTest::addColumn<int>("innerReplyMs"); // after the inner request went out
    QTest::addColumn<int>("outerCopyMs");  // a second copy of the outer reply; -1: none
    QTest::addColumn<int>("dropped");
    QTest::newRow("outer answered while the inner waits") << 30 << 80 << -1 << 0;
    QTest::newRow("inner answered first") << 80 << 10 << -1 << 0;
    QTest::newRow("a copy of the outer reply while the inner waits") << 10 << 80 << 40 << 1;
}

// The inner wait starts while the outer one waits, as a timer's handler or a script would start it.
void TestConversation::nestedWaitsTakeOnlyTheirOwnReply()
{
    QFETCH(int, outerReplyMs);
    QFETCH(int, innerReplyMs);
    QFETCH(int, outerCopyMs);
    QFETCH(int, dropped);
    ScriptedLink link;
    tavlox::Conversation conversation(link);
    std::optional<Reply> inner;
    link.onSend = [&](const Request &request) {
        if (request.kind == RequestKind::Beep) {
            QTimer::singleShot(0, &link, [&] { inner = conversation.ask(Request{0, RequestKind::GetKeyState, {}, {}}, 2000); });
            link.replyLater(outerReplyMs, request.id, 1);
            if (outerCopyMs >= 0)
                link.replyLater(outerCopyMs, request.id, 3);
        } else {
            link.replyLater(innerReplyMs, request.id, 2);
        }
    };
    const std::optional<Reply> outer = conversation.ask(Request{0, RequestKind::Beep, {5}, {}}, 2000);
    QVERIFY(outer);
    QVERIFY(inner);
    QCOMPARE(outer->numbers, QList<int>{1});
    QCOMPARE(inner->numbers, QList<int>{2});
    QTRY_COMPARE(droppedTraces.size(), dropped);
    if (dropped)
        QVERIFY2(droppedTraces.first().contains(QLatin1String("second copy")), qPrintable(droppedTraces.first()));
}

void TestConversation::lateReplyIsDroppedAndAnswersNothing()
{
    ScriptedLink link;
    tavlox::Conversation conversation(link);
    quint32 firstId = 0;
    link.onSend = [&](const Request &request) {
        if (!firstId) {
            firstId = request.id;
            link.replyLater(150, request.id, 1); // after its request gave up, while the next one waits
        } else {
            link.replyLater(250, request.id, 2);
        }
    };
    QElapsedTimer clock;
    clock.start();
    QVERIFY(!conversation.ask(Request{0, RequestKind::GetKeyState, {}, {}}, 50));
    QVERIFY2(clock.elapsed() >= 49, qPrintable(QString::number(clock.elapsed())));
    const std::optional<Reply> second = conversation.ask(Request{0, RequestKind::GetKeyState, {}, {}}, 1000);
    QVERIFY(second);
    QCOMPARE(second->numbers, QList<int>{2});
    QCOMPARE(droppedTraces.size(), 1);
    QVERIFY2(droppedTraces.first().contains(QString::number(firstId)), qPrintable(droppedTraces.first()));
}

QTEST_GUILESS_MAIN(TestConversation)
#include "tst_conversation.moc"
