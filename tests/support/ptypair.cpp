#include "ptypair.h"

#include <QDeadlineTimer>
#include <QFileInfo>
#include <QStandardPaths>
#include <QThread>

namespace testing {

PtyPair::PtyPair()
{
    const QString socat = QStandardPaths::findExecutable(QStringLiteral("socat"));
    if (socat.isEmpty()) {
        m_problem = QStringLiteral("socat is not installed (scripts/setup.sh installs it)");
        return;
    }
    m_socat.start(socat, {QStringLiteral("pty,raw,echo=0,link=") + consoleEnd(), QStringLiteral("pty,raw,echo=0,link=") + pendantEnd()});
    const QDeadlineTimer deadline(10000);
    auto bothThere = [this] { return QFileInfo::exists(consoleEnd()) && QFileInfo::exists(pendantEnd()); };
    while (!bothThere() && !deadline.hasExpired() && m_socat.state() != QProcess::NotRunning)
        QThread::msleep(10);
    if (!bothThere())
        m_problem = QStringLiteral("socat made no pseudo-terminal pair: %1").arg(QString::fromLocal8Bit(m_socat.readAllStandardError()));
}

PtyPair::~PtyPair()
{
    m_socat.kill();
    m_socat.waitForFinished(5000);
}

} // namespace testing
