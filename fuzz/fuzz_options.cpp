// Fuzzes the connection option parser: it either refuses with cao::Failure or returns settings that keep the
// documented rules (one link, values in range, a device path without blanks or control characters).
#include "cao/failure.h"
#include "fuzzinput.h"
#include "tavlox/options.h"

using fuzzing::require;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    tavlox::ConnectionOptions options;
    try {
        options = tavlox::parseConnectionOptions(text);
    } catch (const cao::Failure &failure) {
        require(failure.status() == 0x80070057 && !failure.description().isEmpty());
        return 0;
    }
    require(options.serialPort.has_value() != options.udp.has_value());
    require(options.mouseMode >= 0 && options.mouseMode <= 1 && options.keyboardMode >= 0 && options.keyboardMode <= 2);
    require(options.lessIntervalMs >= 1 && options.initWaitMs >= 0 && options.executeTimeoutMs >= 1);
    require(options.lessIntervalMs <= 86400000 && options.initWaitMs <= 86400000 && options.executeTimeoutMs <= 86400000);
    if (options.serialPort) {
        require(options.serialPort->startsWith(QLatin1Char('/')));
        for (QChar c : *options.serialPort)
            require(c != QLatin1Char(' ') && c != QLatin1Char('\t') && c.category() != QChar::Other_Control);
    } else {
        require(options.udp->destinationPort >= 1 && options.udp->sourcePort >= 1);
        for (const QString &address : {options.udp->destinationAddress, options.udp->sourceAddress})
            require(address.split(QLatin1Char('.')).size() == 4);
    }
    // Only spaces and tabs around an item are blanks: no other white space survives at an item's ends.
    for (QString item : text.split(QLatin1Char(','))) {
        while (!item.isEmpty() && (item.front() == QLatin1Char(' ') || item.front() == QLatin1Char('\t')))
            item.remove(0, 1);
        while (!item.isEmpty() && (item.back() == QLatin1Char(' ') || item.back() == QLatin1Char('\t')))
            item.chop(1);
        require(!item.isEmpty() && !item.front().isSpace() && !item.back().isSpace());
    }
    // The same text always gives the same result.
    const tavlox::ConnectionOptions again = tavlox::parseConnectionOptions(text);
    require(again.serialPort == options.serialPort && again.mouseMode == options.mouseMode &&
            again.keyboardMode == options.keyboardMode && again.clientMode == options.clientMode);
    return 0;
}
