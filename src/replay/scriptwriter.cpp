#include "scriptwriter.h"

#include "replaymachinery.h" // generated from the .js files beside this one

#include <QHostAddress>
#include <QStringList>
#include <utility>

namespace replay {

namespace {
QString jsString(const QString &text)
{
    QString quoted = QStringLiteral("\"");
    for (const QChar c : text) {
        if (c == QLatin1Char('"') || c == QLatin1Char('\\'))
            quoted += QLatin1Char('\\') + c;
        else if (c.unicode() < 0x20 || c.unicode() == 0x2028 || c.unicode() == 0x2029 || c.unicode() == 0x7F)
            quoted += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
        else
            quoted += c;
    }
    return quoted + QLatin1Char('"');
}

// Text for a comment line: a line break in it (a file name, a skipped message's text) would end the comment.
QString commentText(QString text)
{
    for (const char16_t breaking : {u'\r', u'\n', u'\u2028', u'\u2029'})
        text.replace(QChar(breaking), QStringLiteral("\\u%1").arg(int(breaking), 4, 16, QLatin1Char('0')));
    return text;
}

QString jsNumbers(const QList<int> &numbers)
{
    QStringList parts;
    for (int number : numbers)
        parts << QString::number(number);
    return QLatin1Char('[') + parts.join(QStringLiteral(", ")) + QLatin1Char(']');
}

QString jsItems(const QList<protocol::DrawingItem> &items)
{
    QStringList parts;
    for (const protocol::DrawingItem &item : items) {
        QStringList texts;
        for (const QString &text : item.parameters)
            texts << jsString(text);
        parts << QStringLiteral("[%1, [%2]]").arg(item.code).arg(texts.join(QStringLiteral(", ")));
    }
    return QLatin1Char('[') + parts.join(QStringLiteral(", ")) + QLatin1Char(']');
}


QString seconds(qint64 us)
{
    return QString::number(double(us) / 1e6, 'f', 6);
}

// The answer a request had, with its response time: {done: [...]}, {refuse: "…"} or {none: true}.
QString jsAnswer(const RecordedRequest &recorded)
{
    if (!recorded.reply)
        return QStringLiteral("{none: true}");
    const QString after = QString::number(recorded.replyAtUs - recorded.atUs);
    if (!recorded.reply->ok)
        return QStringLiteral("{refuse: %1, after: %2}").arg(jsString(recorded.reply->error), after);
    return QStringLiteral("{done: %1, after: %2}").arg(jsNumbers(recorded.reply->numbers), after);
}

QString requestComment(const RecordedRequest &recorded, qsizetype index)
{
    return QStringLiteral("// request %1 at %2 s, id %3").arg(index + 1).arg(seconds(recorded.atUs)).arg(recorded.request.id);
}

QString inputComment(const RecordedInput &input)
{
    return QStringLiteral("// input at %1 s, sequence %2").arg(seconds(input.atUs)).arg(input.sequence);
}

QString header(const Recording &recording, const ReplayOptions &options, const QString &side, const QString &runWith)
{
    QString text = QStringLiteral("// The %1 of %2").arg(side, commentText(options.captureName));
    if (recording.link == capture::LinkKind::Udp)
        text += QStringLiteral(": the console at %1, the pendant at %2").arg(wire::endpointText(recording.console), wire::endpointText(recording.pendant));
    else
        text += QStringLiteral(" (a serial line)");
    text += QStringLiteral(", written by a replay.\n// Run it with: %1\n").arg(runWith);
    text += QStringLiteral("// Each call's first number is the time since the call before it of its kind, in whole microseconds (the\n"
                           "// first call's: since the console's first request); `after` is how long the answer took, in microseconds.\n"
                           "// The comments give the capture's own times (seconds from its first message) and ids.\n");
    for (const QString &note : recording.notes)
        text += QStringLiteral("// %1\n").arg(commentText(note));
    return text + QLatin1Char('\n');
}

QString flags(bool value)
{
    return value ? QStringLiteral("true") : QStringLiteral("false");
}

qint64 firstRequestUs(const Recording &recording)
{
    return recording.requests.isEmpty() ? 0 : recording.requests.first().atUs;
}

// One call a request: `call(US, KIND, NUMBERS, ITEMS, ANSWER); // request N at S s, id I`. Times go as whole
// microseconds since the call before: the script engine keeps a number with a fraction in a table it searches
// once per number, so that a long capture's times written as milliseconds took seconds to compile.
QString requestCalls(const Recording &recording, const QString &call)
{
    QString text;
    qint64 previous = firstRequestUs(recording);
    for (qsizetype k = 0; k < recording.requests.size(); ++k) {
        const RecordedRequest &recorded = recording.requests[k];
        text += QStringLiteral("%1(%2, \"%3\", %4, %5, %6); %7\n")
                    .arg(call, QString::number(recorded.atUs - std::exchange(previous, recorded.atUs)),
                         QLatin1String(protocol::nameOf(recorded.request.kind)),
                         jsNumbers(recorded.request.numbers), jsItems(recorded.request.drawing), jsAnswer(recorded),
                         requestComment(recorded, k));
    }
    return text;
}
} // namespace

ConsoleSettings consoleSettings(const Recording &recording, const QString &target)
{
    ConsoleSettings settings;
    settings.serial = recording.link == capture::LinkKind::Serial;
    if (!settings.serial) {
        settings.destIp = QHostAddress(recording.pendant.address).toString();
        settings.destPort = recording.pendant.port;
        settings.srcIp = QHostAddress(recording.console.address).toString();
        settings.srcPort = recording.console.port;
    }
    if (target.isEmpty())
        return settings;
    if (const std::optional<wire::UdpEndpoint> pendant = wire::parseUdpEndpoint(target)) {
        settings.serial = false;
        settings.destIp = QHostAddress(pendant->address).toString();
        settings.destPort = pendant->port;
    } else {
        settings.serial = true;
        settings.serialPort = target;
    }
    return settings;
}

QString pendantScenario(const Recording &recording, const ReplayOptions &options)
{
    const bool udp = recording.link == capture::LinkKind::Udp;
    QString text = header(recording, options, QStringLiteral("pendant's side"),
                          udp ? QStringLiteral("zandorex-pendant --udp %1 --peer %2 --script THIS.js")
                                    .arg(wire::endpointText(recording.pendant), wire::endpointText(recording.console))
                              : QStringLiteral("zandorex-pendant --serial DEVICE --script THIS.js"));
    text += QStringLiteral("var replay = pendantReplay({capture: %1, speed: %2, loop: %3, timing: %4});\n\n")
                .arg(jsString(options.captureName))
                .arg(options.speed)
                .arg(flags(options.loop), flags(options.timing));
    text += QStringLiteral("// The console's requests in order, each with the answer it had.\n");
    qint64 previous = firstRequestUs(recording);
    text += requestCalls(recording, QStringLiteral("replay.request"));
    text += QStringLiteral("\ntest(%1, function () {\n    do {\n        replay.begin();\n")
                .arg(jsString(QStringLiteral("replay of ") + options.captureName));
    for (const RecordedInput &recorded : recording.inputs) {
        const protocol::Input &input = recorded.input;
        QString action;
        switch (input.kind) {
        case protocol::InputKind::KeyDown:
            action = QStringLiteral("pendant.keyDown(%1);").arg(input.key);
            break;
        case protocol::InputKind::KeyUp:
            action = QStringLiteral("pendant.keyUp(%1);").arg(input.key);
            break;
        case protocol::InputKind::TouchDown:
        case protocol::InputKind::TouchMove:
        case protocol::InputKind::TouchUp:
            action = QStringLiteral("pendant.%1(%2, %3);")
                         .arg(input.kind == protocol::InputKind::TouchDown   ? QStringLiteral("touchDown")
                              : input.kind == protocol::InputKind::TouchMove ? QStringLiteral("touchMove")
                                                                             : QStringLiteral("touchUp"))
                         .arg(input.x)
                         .arg(input.y);
            break;
        case protocol::InputKind::LcdText:
            action = QStringLiteral("pendant.lcdText(%1);").arg(jsString(input.text));
            break;
        case protocol::InputKind::Alive:
            continue;
        }
        text += QStringLiteral("        replay.after(%1); %2 %3\n")
                    .arg(QString::number(recorded.atUs - std::exchange(previous, recorded.atUs)), action, inputComment(recorded));
    }
    text += QStringLiteral("    } while (replay.again());\n    replay.end();\n});\n\n");
    return text + QLatin1String(ReplayWords) + QLatin1String(PendantReplay);
}

QString consoleScript(const Recording &recording, const ReplayOptions &options, const ConsoleSettings &settings)
{
    QString text = header(recording, options, QStringLiteral("console's side"),
                          QStringLiteral("zandorex --script THIS.js (replay.open below names the pendant)"));
    text += QStringLiteral("var replay = consoleReplay({capture: %1, fast: %2});\n\n")
                .arg(jsString(options.captureName), flags(options.fast));
    text += QStringLiteral("// The pendant's input in order, as the console reports it (a touch's moves make no message).\n");
    qint64 previous = firstRequestUs(recording);
    for (const RecordedInput &recorded : recording.inputs) {
        const protocol::Input &input = recorded.input;
        QString arguments;
        switch (input.kind) {
        case protocol::InputKind::KeyDown:
        case protocol::InputKind::KeyUp:
            arguments = QString::number(input.key);
            break;
        case protocol::InputKind::TouchDown:
        case protocol::InputKind::TouchUp:
            arguments = QStringLiteral("%1, %2").arg(input.x).arg(input.y);
            break;
        case protocol::InputKind::LcdText:
            arguments = jsString(input.text);
            break;
        case protocol::InputKind::TouchMove:
        case protocol::InputKind::Alive:
            continue;
        }
        text += QStringLiteral("replay.input(%1, \"%2\", %3); %4\n")
                    .arg(QString::number(recorded.atUs - std::exchange(previous, recorded.atUs)),
                         QLatin1String(protocol::nameOf(input.kind)), arguments, inputComment(recorded));
    }
    const auto field = [](const QString &value) { return value.isEmpty() ? QStringLiteral("null") : jsString(value); };
    const auto port = [](quint16 value) { return value == 0 ? QStringLiteral("null") : QString::number(value); };
    const QString open = settings.serial ? QStringLiteral("{serial: %1}").arg(field(settings.serialPort))
                                         : QStringLiteral("{udp: [%1, %2, %3, %4]}")
                                               .arg(field(settings.destIp), port(settings.destPort), field(settings.srcIp),
                                                    port(settings.srcPort));
    text += QStringLiteral("\ntest(%1, function () {\n    replay.open(%2); // Dest IP, Dest Port, Src IP, Src Port, or the serial Port\n")
                .arg(jsString(QStringLiteral("replay of ") + options.captureName), open);
    text += QStringLiteral("    // The console's requests in order, each with the answer it had: the outcome of controller.execute.\n");
    text += requestCalls(recording, QStringLiteral("    replay.execute"));
    text += QStringLiteral("    replay.end();\n});\n\n");
    return text + QLatin1String(ReplayWords) + QLatin1String(ConsoleReplay);
}

} // namespace replay
