// The provider's conversation with a pendant: each wait takes only its own reply, however waits nest and replies
// interleave, and what nobody waits for is traced as dropped.
#include "tavlox/conversation.h"
#include "tavlox/pendantlink.h"

#include <QElapsedTimer>
#include <QTest>
#include <QTimer>

using protocol::Reply;
using protocol::Request;
using protocol::RequestKind;

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
    // A key-state reply whose first word tells the replies apart; `words` other than 8 break the rules.
    void replyLater(int ms, quint32 id, int first, int words = 8)
    {
        QList<int> numbers(words, 0);
        if (words > 0)
            numbers[0] = first;
        QTimer::singleShot(ms, this, [this, id, numbers] { Q_EMIT replied(Reply{id, true, {}, numbers}); });
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
    void replyThatBreaksARuleEndsTheWaitAtOnce();

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
    bool outerSent = false;
    link.onSend = [&](const Request &request) {
        if (!outerSent) {
            outerSent = true;
            QTimer::singleShot(0, &link, [&] { inner = conversation.ask(Request{0, RequestKind::GetKeyState, {}, {}}, 2000).reply; });
            link.replyLater(outerReplyMs, request.id, 1);
            if (outerCopyMs >= 0)
                link.replyLater(outerCopyMs, request.id, 3);
        } else {
            link.replyLater(innerReplyMs, request.id, 2);
        }
    };
    const std::optional<Reply> outer = conversation.ask(Request{0, RequestKind::GetKeyState, {}, {}}, 2000).reply;
    QVERIFY(outer);
    QVERIFY(inner);
    QCOMPARE(outer->numbers.first(), 1);
    QCOMPARE(inner->numbers.first(), 2);
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
    const tavlox::Conversation::Answer first = conversation.ask(Request{0, RequestKind::GetKeyState, {}, {}}, 50);
    QVERIFY(!first.reply && first.brokenRule.isEmpty());
    QVERIFY2(clock.elapsed() >= 49, qPrintable(QString::number(clock.elapsed())));
    const std::optional<Reply> second = conversation.ask(Request{0, RequestKind::GetKeyState, {}, {}}, 1000).reply;
    QVERIFY(second);
    QCOMPARE(second->numbers.first(), 2);
    QCOMPARE(droppedTraces.size(), 1);
    QVERIFY2(droppedTraces.first().contains(QString::number(firstId)), qPrintable(droppedTraces.first()));
}

// A reply with seven words is never made into eight: the wait ends at once with the broken rule, long before its
// time is up, and the reply is dropped.
void TestConversation::replyThatBreaksARuleEndsTheWaitAtOnce()
{
    ScriptedLink link;
    tavlox::Conversation conversation(link);
    link.onSend = [&](const Request &request) { link.replyLater(0, request.id, 1, 7); };
    QElapsedTimer clock;
    clock.start();
    const tavlox::Conversation::Answer answer = conversation.ask(Request{0, RequestKind::GetKeyState, {}, {}}, 5000);
    QVERIFY(clock.elapsed() < 2500);
    QVERIFY(!answer.reply);
    QCOMPARE(answer.brokenRule, QStringLiteral("the reply to GetKeyState holds 7 words, not 8"));
    QCOMPARE(droppedTraces.size(), 1);
    QCOMPARE(link.droppedCount(), quint64(1));
}

QTEST_GUILESS_MAIN(TestConversation)
#include "tst_conversation.moc"
