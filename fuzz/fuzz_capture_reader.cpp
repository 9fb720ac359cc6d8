// Fuzzes reading a capture for a replay: whatever the file holds, it is a capture with packets or an error that
// says why; a capture's conversation is read or refused with a reason; and the scripts written from it parse,
// whatever texts the recorded messages carried.
#include "fuzzinput.h"
#include "replay/scriptwriter.h"
#include "script/syntaxcheck.h"

#include <QFile>
#include <QJSEngine>
#include <QTemporaryDir>

using fuzzing::require;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    fuzzing::ensureApplication<QCoreApplication>();
    static auto *folder = new QTemporaryDir;
    const QString path = folder->filePath(QStringLiteral("capture.pcap"));
    {
        QFile file(path);
        const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
        require(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size());
    }
    const auto traffic = capture::readCapture(path);
    if (const QString *why = std::get_if<QString>(&traffic)) {
        require(!why->isEmpty());
        return 0;
    }
    const auto &packets = std::get<capture::CapturedTraffic>(traffic).packets;
    require(!packets.isEmpty());
    for (const capture::CapturedPacket &packet : packets)
        require(packet.bytes.size() <= packet.size);
    const auto read = replay::readRecording(std::get<capture::CapturedTraffic>(traffic));
    if (const QString *why = std::get_if<QString>(&read)) {
        require(!why->isEmpty());
        return 0;
    }
    const replay::Recording &recording = std::get<replay::Recording>(read);
    require(!recording.requests.isEmpty());
    replay::ReplayOptions options;
    options.captureName = QStringLiteral("capture \"\\\n.pcap");
    // An engine of each input's own: the leak checker cannot see into a lasting engine's heap.
    QJSEngine engine;
    const QString pendant = replay::pendantScenario(recording, options);
    require(script::syntaxProblem(engine, pendant, QStringLiteral("pendant.js")).isEmpty());
    const QString console = replay::consoleScript(recording, options, replay::consoleSettings(recording, {}));
    require(script::syntaxProblem(engine, console, QStringLiteral("console.js")).isEmpty());
    return 0;
}
