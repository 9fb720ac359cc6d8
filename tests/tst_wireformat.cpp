// The wire format both ends share: every message round-trips, and whatever is not a message is dropped.
#include "protocol/framing.h"
#include "wire/recentanswers.h"

#include <QTest>

using namespace protocol;

Q_DECLARE_METATYPE(protocol::Message)
Q_DECLARE_METATYPE(protocol::DropReason)

namespace {
QByteArray header(quint8 version, quint8 type, quint32 id, quint16 length)
{
    QByteArray bytes;
    bytes.append(char(MagicFirst)).append(char(MagicSecond)).append(char(version)).append(char(type));
    for (int shift : {24, 16, 8, 0})
        bytes.append(char((id >> shift) & 0xFF));
    bytes.append(char(length >> 8)).append(char(length & 0xFF));
    return bytes;
}

const Message &sampleReply()
{
    static const Message reply = Reply{77, true, {}, {1, 2, 3, 4, 5, 6, 7, 65535}};
    return reply;
}
} // namespace

class TestWireFormat : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void roundTrip_data();
    void roundTrip();
    void droppedDatagrams_data();
    void droppedDatagrams();
    void tooLargeToEncode();
    void frameCheckIsX25();
    void framesSurviveNoise_data();
    void framesSurviveNoise();
    void answersAreRememberedForTheLast64_data();
    void answersAreRememberedForTheLast64();
};

void TestWireFormat::roundTrip_data()
{
    QTest::addColumn<Message>("message");
    const QList<std::pair<const char *, RequestKind>> kinds = {
        {"Beep", RequestKind::Beep}, {"LED", RequestKind::Led}, {"Backlight", RequestKind::Backlight},
        {"SetKeyState", RequestKind::SetKeyState}, {"SetPanelState", RequestKind::SetPanelState},
        {"GetKeyState", RequestKind::GetKeyState}};
    for (const auto &[name, kind] : kinds)
        QTest::newRow(name) << Message(Request{0xFFFFFFFFu, kind, {-1, 0, 2147483647, -2147483647 - 1}, {}});
    QTest::newRow("DrawMiniTP") << Message(Request{
        1, RequestKind::DrawMiniTP, {},
        {{32, {"1", "2", "文字列 \x7e\x7d", "12", ""}}, {-5, {}}, {48, {"0", "0", "319", "239"}}}});
    QTest::newRow("reply with words") << sampleReply();
    QTest::newRow("refusal") << Message(Reply{3, false, QStringLiteral("no such LED — ８"), {}});
    const QList<std::pair<const char *, InputKind>> inputs = {
        {"KeyDown", InputKind::KeyDown}, {"KeyUp", InputKind::KeyUp}, {"TouchDown", InputKind::TouchDown},
        {"TouchMove", InputKind::TouchMove}, {"TouchUp", InputKind::TouchUp}, {"Alive", InputKind::Alive}};
    for (const auto &[name, kind] : inputs)
        QTest::newRow(name) << Message(SequencedInput{9, {kind, 127, -32768, 32767, {}}});
    QTest::newRow("LcdText") << Message(SequencedInput{0, {InputKind::LcdText, 0, 0, 0, QStringLiteral("\uFEFFＯＫ\n")}});
}

void TestWireFormat::roundTrip()
{
    QFETCH(Message, message);
    const QByteArray bytes = encode(message);
    QVERIFY(!bytes.isEmpty());
    const Decoded decoded = decode(bytes);
    QVERIFY(decoded.message.has_value());
    QCOMPARE(describe(*decoded.message), describe(message));
    QCOMPARE(encode(*decoded.message), bytes);
    // Framed for a serial line, it comes out whole as well.
    FrameReader reader;
    const FrameReader::Result result = reader.feed(frame(bytes));
    QCOMPARE(result.messages.size(), 1);
    QCOMPARE(encode(result.messages.first()), bytes);
}

void TestWireFormat::droppedDatagrams_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<DropReason>("reason");
    const QByteArray good = encode(sampleReply());
    QTest::newRow("empty") << QByteArray() << DropReason::Truncated;
    QTest::newRow("half a header") << good.first(5) << DropReason::Truncated;
    QTest::newRow("cut payload") << good.chopped(1) << DropReason::LengthMismatch;
    QTest::newRow("one byte more") << good + 'x' << DropReason::LengthMismatch;
    QTest::newRow("oversized") << QByteArray(MaxMessageBytes + 1, 'Z') << DropReason::Oversized;
    QTest::newRow("bad magic") << QByteArray("ZY").append(good.mid(2)) << DropReason::BadMagic;
    QTest::newRow("version 2") << header(2, 2, 1, 0) << DropReason::UnknownVersion;
    QTest::newRow("version 0") << header(0, 2, 1, 0) << DropReason::UnknownVersion;
    QTest::newRow("message kind 4") << header(1, 4, 1, 0) << DropReason::UnknownType;
    QTest::newRow("message kind 0") << header(1, 0, 1, 0) << DropReason::UnknownType;
    QTest::newRow("request kind 7") << header(1, 1, 1, 4).append(QByteArray("\x07\x00\x00\x00", 4))
                                    << DropReason::UnknownType;
    QTest::newRow("input kind 200") << header(1, 3, 1, 8).append(QByteArray("\xC8\x00\x00\x00\x00\x00\x00\x00", 8))
                                    << DropReason::UnknownType;
    QTest::newRow("empty payload") << header(1, 2, 1, 0) << DropReason::PayloadEndsEarly;
    QTest::newRow("count past the end") << header(1, 2, 1, 2).append(QByteArray("\x01\x09", 2)) << DropReason::PayloadEndsEarly;
    QTest::newRow("reply ok is 2") << header(1, 2, 1, 4).append(QByteArray("\x02\x00\x00\x00", 4)) << DropReason::BadOk;
    QTest::newRow("a byte left over") << header(1, 2, 1, 5).append(QByteArray("\x01\x00\x00\x00\x00", 5))
                                      << DropReason::PayloadTooLong;
    QTest::newRow("text not UTF-8") << header(1, 2, 1, 6).append(QByteArray("\x00\x00\x00\x02\xC3\x28", 6))
                                    << DropReason::NotUtf8;
    QTest::newRow("six drawing parameters announced, none there: it ends early, first")
        << header(1, 1, 1, 9).append(QByteArray("\x06\x00\x00\x01\x00\x00\x00\x20\x06", 9)) << DropReason::PayloadEndsEarly;
}

void TestWireFormat::droppedDatagrams()
{
    QFETCH(QByteArray, bytes);
    QFETCH(DropReason, reason);
    const Decoded decoded = decode(bytes);
    QVERIFY(!decoded.message.has_value());
    QCOMPARE(decoded.reason, reason);
}

void TestWireFormat::tooLargeToEncode()
{
    Request huge{1, RequestKind::DrawMiniTP, {}, {}};
    for (int k = 0; k < 3000; ++k)
        huge.drawing << DrawingItem{32, {"100", "100", QString(20, QLatin1Char('x')), "12", ""}};
    QVERIFY(encode(huge).isEmpty());
    huge.drawing.resize(1000);
    QVERIFY(!encode(huge).isEmpty());
}

void TestWireFormat::frameCheckIsX25()
{
    QCOMPARE(frameCheck("123456789"), quint16(0x906E));
}

// Noise between, before and inside frames costs at most the frame it hits; the reader finds the next one.
void TestWireFormat::framesSurviveNoise_data()
{
    QTest::addColumn<QByteArray>("stream");
    QTest::addColumn<int>("messages");
    QTest::addColumn<int>("drops");
    const QByteArray framed = frame(encode(sampleReply()));
    QByteArray badCrc = framed;
    badCrc[5] = char(badCrc[5] ^ 0x01);
    QTest::newRow("clean, back to back") << framed + framed << 2 << 0;
    QTest::newRow("garbage before") << QByteArray("\x01\x02garbage") + framed << 1 << 1;
    QTest::newRow("bad CRC, then good") << badCrc + framed << 1 << 1;
    QTest::newRow("stray escape") << QByteArray("\x7e\x7d\x41zz\x7e") + framed << 1 << 1;
    QTest::newRow("escape before the flag") << QByteArray("\x7e\x41\x7d\x7e", 4) + framed << 1 << 1;
    QTest::newRow("cut frame") << framed.first(8) + framed << 1 << 1;
    QTest::newRow("one byte frame") << QByteArray("\x7e\x55\x7e") + framed << 1 << 1;
    QTest::newRow("endless frame") << QByteArray("\x7e") + QByteArray(3 * MaxMessageBytes, 'a') + framed << 1 << 1;
    QTest::newRow("good CRC, not a message") << frame("hello") + framed << 1 << 1;
}

void TestWireFormat::framesSurviveNoise()
{
    QFETCH(QByteArray, stream);
    QFETCH(int, messages);
    QFETCH(int, drops);
    // Fed whole and fed byte by byte, the reader sees the same.
    for (int chunk : {int(stream.size()), 1}) {
        FrameReader reader;
        int seen = 0, dropped = 0;
        for (qsizetype at = 0; at < stream.size(); at += chunk) {
            const FrameReader::Result result = reader.feed(QByteArrayView(stream).sliced(at, std::min<qsizetype>(chunk, stream.size() - at)));
            seen += int(result.messages.size());
            dropped += int(result.drops.size());
            for (const Message &message : result.messages)
                QCOMPARE(describe(message), describe(sampleReply()));
        }
        QCOMPARE(seen, messages);
        QCOMPARE(dropped, drops);
    }
}

// A request answered, then others answered (done or refused), then the first again: within the last 64 answers it
// gets its reply again; past them it is a new request.
void TestWireFormat::answersAreRememberedForTheLast64_data()
{
    QTest::addColumn<int>("between");
    QTest::addColumn<bool>("answeredAgain");
    QTest::newRow("at once") << 0 << true;
    QTest::newRow("after 63 others") << 63 << true;
    QTest::newRow("after 64 others") << 64 << false;
}

void TestWireFormat::answersAreRememberedForTheLast64()
{
    QFETCH(int, between);
    QFETCH(bool, answeredAgain);
    wire::RecentAnswers answers;
    answers.taken(100);
    QVERIFY(answers.underWay(100));
    answers.answered({100, false, QStringLiteral("Beep milliseconds: -5 is outside 0–60000"), {}});
    QVERIFY(!answers.underWay(100));
    for (int k = 1; k <= between; ++k) {
        answers.taken(quint32(100 + k));
        answers.answered({quint32(100 + k), k % 2 == 0, k % 2 == 0 ? QString() : QStringLiteral("refused"), {}});
    }
    const protocol::Reply *again = answers.answerTo(100);
    QCOMPARE(again != nullptr, answeredAgain);
    if (again)
        QCOMPARE(again->error, QStringLiteral("Beep milliseconds: -5 is outside 0–60000"));
}

QTEST_GUILESS_MAIN(TestWireFormat)
#include "tst_wireformat.moc"
