#include "pendantprocess.h"

#include <QDebug>
#include <QElapsedTimer>
#include <QRegularExpression>

namespace testing {

QString startPendant(QProcess &process, const QStringList &link)
{
    process.start(QStringLiteral(ZANDOREX_PENDANT), QStringList{QStringLiteral("--headless")} + link);
    if (!process.waitForStarted(10000))
        return {};
    QByteArray output;
    QElapsedTimer clock;
    clock.start();
    while (!output.contains('\n') && clock.elapsed() < 20000 && process.state() == QProcess::Running) {
        process.waitForReadyRead(100);
        output += process.readAllStandardOutput();
    }
    if (output.contains("ready on"))
        return QString::fromLocal8Bit(output);
    qWarning() << "the pendant did not start:" << output << process.readAllStandardError();
    return {};
}

quint16 startUdpPendant(QProcess &process, quint16 port, quint16 consolePort, const QStringList &more)
{
    const QString ready = startPendant(process, QStringList{QStringLiteral("--udp"), QStringLiteral("127.0.0.1:%1").arg(port),
                                                            QStringLiteral("--peer"), QStringLiteral("127.0.0.1:%1").arg(consolePort)} +
                                                    more);
    static const QRegularExpression listening(QStringLiteral("ready on UDP 127\\.0\\.0\\.1:(\\d+)"));
    const QRegularExpressionMatch match = listening.match(ready);
    return match.hasMatch() ? static_cast<quint16>(match.captured(1).toUInt()) : 0;
}

} // namespace testing
