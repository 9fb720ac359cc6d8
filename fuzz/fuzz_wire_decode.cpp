// Fuzzes the wire decoder, the field rules and the serial frame reader with arbitrary bytes: nothing may crash,
// whatever decodes must encode back to the same bytes and decode to the same message, and keeping the raw frames
// for a capture must change nothing.
#include "protocol/fieldrules.h"
#include "protocol/framing.h"

#include <cstdlib>

using namespace protocol;

namespace {
void require(bool condition)
{
    if (!condition)
        std::abort();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));

    const Decoded decoded = decode(bytes);
    if (decoded.message) {
        // Every rule has a verdict for whatever decodes, without reading past a list.
        if (const auto *request = std::get_if<protocol::Request>(&*decoded.message))
            (void)protocol::requestProblem(*request);
        else if (const auto *input = std::get_if<SequencedInput>(&*decoded.message))
            (void)protocol::inputProblem(input->input);
        else
            for (int kind = 0; kind < protocol::RequestKindCount; ++kind)
                (void)protocol::replyProblem(static_cast<protocol::RequestKind>(kind), std::get<protocol::Reply>(*decoded.message));
        const QByteArray encoded = encode(*decoded.message);
        require(encoded == bytes);
        const Decoded again = decode(encoded);
        require(again.message && describe(*again.message) == describe(*decoded.message));
    }

    // The same bytes as a serial stream, fed whole and in two pieces, give the same messages and drops.
    FrameReader whole;
    const FrameReader::Result once = whole.feed(bytes);
    FrameReader split;
    const qsizetype cut = size ? static_cast<qsizetype>(data[0]) % (bytes.size() + 1) : 0;
    FrameReader::Result twice = split.feed(bytes.first(cut));
    const FrameReader::Result rest = split.feed(bytes.sliced(cut));
    twice.messages += rest.messages;
    twice.drops += rest.drops;
    require(once.messages.size() == twice.messages.size() && once.drops == twice.drops);
    for (qsizetype k = 0; k < once.messages.size(); ++k) {
        const QByteArray encoded = encode(once.messages[k]);
        require(!encoded.isEmpty() && encoded == encode(twice.messages[k]));
        // A message that came out of a frame goes back into one and out again unchanged.
        FrameReader reader;
        const FrameReader::Result echoed = reader.feed(frame(encoded));
        require(echoed.messages.size() == 1 && encode(echoed.messages.first()) == encoded);
    }

    // Keeping the raw frames for a capture changes no verdict, and a raw frame read alone gives one verdict at most.
    FrameReader capturing;
    capturing.keepRawFrames(true);
    const FrameReader::Result kept = capturing.feed(bytes);
    require(kept.messages.size() == once.messages.size() && kept.drops == once.drops);
    require(kept.rawFrames.size() <= kept.messages.size() + kept.drops.size());
    for (const FrameReader::RawFrame &raw : kept.rawFrames) {
        require(raw.size >= raw.bytes.size() && raw.bytes.size() <= FrameReader::MaxRawFrameBytes && !raw.bytes.isEmpty());
        if (raw.bytes.startsWith(FrameFlag)) {
            FrameReader alone;
            const FrameReader::Result verdict = alone.feed(raw.bytes);
            require(verdict.messages.size() + verdict.drops.size() <= 1);
        }
    }
    return 0;
}
