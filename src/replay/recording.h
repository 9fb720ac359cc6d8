#pragma once
// One connection's conversation taken from a capture, as a replay plays it: the console's requests in order, each
// with the reply it had (if any), and the pendant's input. What the link dropped in the recording (malformed
// messages, repeats, other connections) is left out with a note.
#include "capture/capturereader.h"
#include "protocol/protocol.h"

#include <QStringList>
#include <optional>

namespace replay {

struct RecordedRequest
{
    qint64 atUs = 0;                      // from the connection's first message
    protocol::Request request;
    std::optional<protocol::Reply> reply; // none: the pendant never answered
    qint64 replyAtUs = 0;
};

struct RecordedInput
{
    qint64 atUs = 0;
    quint32 sequence = 0;
    protocol::Input input;
};

struct Recording
{
    capture::LinkKind link = capture::LinkKind::Udp;
    wire::UdpEndpoint console, pendant; // UDP: who sent the requests, and who answered
    QList<RecordedRequest> requests;
    QList<RecordedInput> inputs;        // heartbeats (Alive) left out: a live pendant sends its own
    QStringList notes;                  // what was skipped, one line each
};

// The connection of `peer` (either of its ends), or the first that holds a request; why not, when none does.
[[nodiscard]] std::variant<Recording, QString> readRecording(const capture::CapturedTraffic &traffic,
                                                             std::optional<wire::UdpEndpoint> peer = {});

} // namespace replay
