#pragma once
// The connection option string of a Tavlox controller, parsed and checked.
#include <QString>
#include <optional>

namespace tavlox {

struct UdpAddresses
{
    QString destinationAddress;
    quint16 destinationPort = 0;
    QString sourceAddress;
    quint16 sourcePort = 0;
};

struct ConnectionOptions
{
    // Exactly one of the two links.
    std::optional<QString> serialPort; // "Port=": a device path; a number n stands for /dev/ttyS<n-1>
    std::optional<UdpAddresses> udp;
    int mouseMode = 0;    // 0 touches as messages, 1 as mouse input
    int keyboardMode = 0; // 0 keys as messages, 1 as key presses from the default key map, 2 from "vkey.dat"
    int lessIntervalMs = 10000;
    int initWaitMs = 3000;
    int executeTimeoutMs = 500;
    bool clientMode = false;
};

// Parses the option string; throws cao::Failure (0x80070057) naming the offending item.
[[nodiscard]] ConnectionOptions parseConnectionOptions(const QString &text);

} // namespace tavlox
