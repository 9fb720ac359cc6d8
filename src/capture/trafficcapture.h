#pragma once
// A program's wire traffic in a capture file (docs/wire-protocol.md, "Captures"): every datagram and serial frame
// its channels send and receive, dropped ones included, each with its time. UDP goes in as IPv4 packets with a
// UDP header made from the real addresses and ports (link type RAW); the serial line as one direction byte and
// the frame as it crossed the line (link type USER0). A file holds one link type: the first link of the other
// kind opened in the same run goes to a second file beside it (NAME-serial.pcap, NAME-udp.pcap).
#include "growingfile/growingfile.h"
#include "wire/traffictap.h"

#include <QObject>
#include <memory>
#include <vector>

namespace capture {

enum class LinkKind { Udp, Serial };

class TrafficCapture : public QObject, public wire::TrafficTap
{
    Q_OBJECT
public:
    explicit TrafficCapture(QObject *parent = nullptr);
    ~TrafficCapture() override; // writes every packet still buffered

    // Creates the file (emptied if it exists) for the link kind expected first; returns why it cannot, or empty.
    // Packets are taken from then on: make it the program's tap (wire::setTrafficTap) once it is open.
    [[nodiscard]] QString open(const QString &path, LinkKind expected);
    // The files written to, the first one first.
    [[nodiscard]] QStringList paths() const;
    void flush();

    void datagram(wire::TrafficDirection direction, wire::UdpEndpoint from, wire::UdpEndpoint to,
                  QByteArrayView bytes, qsizetype size) override;
    void serialFrame(wire::TrafficDirection direction, QByteArrayView bytes, qsizetype size) override;

Q_SIGNALS:
    // Once per file that cannot be written any more, naming it and the reason; the links go on working.
    void failed(const QString &message);

private:
    struct Output;
    Output *outputFor(LinkKind kind);
    // Keeps an output; a later failure of its file stops it with one message naming the path.
    Output &keep(std::unique_ptr<Output> output, const QString &path);
    void write(Output &output, QByteArrayView header, QByteArrayView bytes, qsizetype size);

    std::vector<std::unique_ptr<Output>> m_outputs;
    quint16 m_nextDatagramId = 0;
};

} // namespace capture
