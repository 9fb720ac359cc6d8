#include "options.h"

#include "cao/failure.h"
#include "cao/status.h"

#include <QSet>
#include <QStringList>
#include <algorithm>

namespace tavlox {

namespace {
constexpr int MaxMilliseconds = 24 * 60 * 60 * 1000;

[[noreturn]] void reject(const QString &item, const QString &why)
{
    throw cao::Failure(cao::status::InvalidArgument, QStringLiteral("Bad connection option \"%1\": %2").arg(item, why));
}

bool isAsciiDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// Only a space or a tab around an item is a blank; any other character (a newline, a no-break space) is part of it.
bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

QString withoutBlanksAround(const QString &text)
{
    qsizetype first = 0, last = text.size();
    while (first < last && isBlank(text[first]))
        ++first;
    while (last > first && isBlank(text[last - 1]))
        --last;
    return text.mid(first, last - first);
}

// Keys compare without regard to ASCII case only: no other letter may stand in for one (the Kelvin sign for K).
QString asciiLower(const QString &text)
{
    QString lower = text;
    for (QChar &c : lower) {
        if (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
            c = QChar(c.unicode() + ('a' - 'A'));
    }
    return lower;
}

int parseNumber(const QString &item, const QString &text, int minimum, int maximum, const QString &what)
{
    const bool digitsOnly = !text.isEmpty() && std::all_of(text.begin(), text.end(), isAsciiDigit);
    // Leading zeros are allowed, however many; what is left decides the size.
    qsizetype firstSignificant = 0;
    while (firstSignificant + 1 < text.size() && text[firstSignificant] == QLatin1Char('0'))
        ++firstSignificant;
    const QString significant = text.mid(firstSignificant);
    bool ok = false;
    const qint64 value = digitsOnly && significant.size() <= 10 ? significant.toLongLong(&ok) : 0;
    if (!digitsOnly || !ok || value < minimum || value > maximum)
        reject(item, QStringLiteral("%1 must be a whole number from %2 to %3").arg(what).arg(minimum).arg(maximum));
    return static_cast<int>(value);
}

QString parseAddress(const QString &item, const QString &text)
{
    const QStringList parts = text.split(QLatin1Char('.'));
    bool valid = parts.size() == 4;
    for (const QString &part : parts) {
        bool ok = false;
        const int byte = part.toInt(&ok);
        valid &= ok && !part.isEmpty() && part.size() <= 3 && byte >= 0 && byte <= 255 &&
                 std::all_of(part.begin(), part.end(), isAsciiDigit);
    }
    if (!valid)
        reject(item, QStringLiteral("\"%1\" is not an IPv4 address").arg(text));
    return text;
}

UdpAddresses parseUdp(const QString &item, const QString &value)
{
    const QStringList parts = value.split(QLatin1Char(':'));
    if (parts.size() != 4)
        reject(item, QStringLiteral("UDP takes destination address:port:source address:port"));
    UdpAddresses link;
    link.destinationAddress = parseAddress(item, parts[0]);
    link.destinationPort = static_cast<quint16>(parseNumber(item, parts[1], 1, 65535, QStringLiteral("a port")));
    link.sourceAddress = parseAddress(item, parts[2]);
    link.sourcePort = static_cast<quint16>(parseNumber(item, parts[3], 1, 65535, QStringLiteral("a port")));
    return link;
}

QString parseSerialPort(const QString &item, const QString &value)
{
    if (value.startsWith(QLatin1Char('/'))) {
        // No blanks and no control characters: a device name never has them, and a log line would hide them.
        const bool clean = std::none_of(value.begin(), value.end(), [](QChar c) {
            return isBlank(c) || c.category() == QChar::Other_Control;
        });
        if (value.size() < 2 || !clean)
            reject(item, QStringLiteral("\"%1\" is not a device path").arg(value));
        return value;
    }
    const int number = parseNumber(item, value, 1, 256, QStringLiteral("a port number"));
    return QStringLiteral("/dev/ttyS%1").arg(number - 1);
}
} // namespace

ConnectionOptions parseConnectionOptions(const QString &text)
{
    ConnectionOptions options;
    QSet<QString> seen;
    for (const QString &rawItem : text.split(QLatin1Char(','))) {
        const QString item = withoutBlanksAround(rawItem);
        if (item.isEmpty())
            reject(rawItem, QStringLiteral("an empty item"));
        // Blanks only around the item: "Key = value" has the key "Key " and the value " value".
        const qsizetype equals = item.indexOf(QLatin1Char('='));
        const QString key = asciiLower(equals < 0 ? item : item.left(equals));
        const bool hasValue = equals >= 0;
        const QString value = hasValue ? item.mid(equals + 1) : QString();
        const bool isLink = key == QLatin1String("port") || key == QLatin1String("udp");
        const QString group = isLink ? QStringLiteral("link") : key;
        if (seen.contains(group))
            reject(item, isLink ? QStringLiteral("only one link (Port or UDP) may be given")
                                : QStringLiteral("the option is given twice"));
        seen.insert(group);
        if (key != QLatin1String("tpclient") && !hasValue)
            reject(item, QStringLiteral("a value is missing"));

        if (key == QLatin1String("port"))
            options.serialPort = parseSerialPort(item, value);
        else if (key == QLatin1String("udp"))
            options.udp = parseUdp(item, value);
        else if (key == QLatin1String("mousemode"))
            options.mouseMode = parseNumber(item, value, 0, 1, QStringLiteral("MouseMode"));
        else if (key == QLatin1String("keyboardmode"))
            options.keyboardMode = parseNumber(item, value, 0, 2, QStringLiteral("KeyboardMode"));
        else if (key == QLatin1String("tplessinterval"))
            options.lessIntervalMs = parseNumber(item, value, 1, MaxMilliseconds, QStringLiteral("TPLessInterval"));
        else if (key == QLatin1String("tpinitwait"))
            options.initWaitMs = parseNumber(item, value, 0, MaxMilliseconds, QStringLiteral("TPInitWait"));
        else if (key == QLatin1String("executetimeout"))
            options.executeTimeoutMs = parseNumber(item, value, 1, MaxMilliseconds, QStringLiteral("ExecuteTimeout"));
        else if (key == QLatin1String("tpclient")) {
            if (hasValue)
                reject(item, QStringLiteral("TPClient is a flag and takes no value"));
            options.clientMode = true;
        } else
            reject(item, QStringLiteral("unknown option"));
    }
    if (!options.serialPort && !options.udp)
        throw cao::Failure(cao::status::InvalidArgument,
                           QStringLiteral("Bad connection options \"%1\": a link (Port=… or UDP=…) is missing").arg(text));
    return options;
}

} // namespace tavlox
