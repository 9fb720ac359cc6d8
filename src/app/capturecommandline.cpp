#include "capturecommandline.h"

#include <cstdio>

CaptureCommandLine::CaptureCommandLine()
    : capture(QStringLiteral("capture"),
              QStringLiteral("Write every datagram or serial frame sent and received, dropped ones included, to this capture "
                             "file (pcap; Wireshark and tshark read it with the Zandorex dissector). An existing file is "
                             "replaced."),
              QStringLiteral("FILE.pcap"))
{
}

std::unique_ptr<capture::TrafficCapture> startCapture(const QString &path, capture::LinkKind expected, const char *program)
{
    auto traffic = std::make_unique<capture::TrafficCapture>();
    if (const QString why = traffic->open(path, expected); !why.isEmpty()) {
        std::fprintf(stderr, "%s: %s\n", program, qPrintable(why));
        return nullptr;
    }
    QObject::connect(traffic.get(), &capture::TrafficCapture::failed, traffic.get(), [program](const QString &message) {
        std::fprintf(stderr, "%s: %s; the link goes on without it\n", program, qPrintable(message));
    });
    wire::setTrafficTap(traffic.get());
    return traffic;
}
