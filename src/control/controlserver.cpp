#include "controlserver.h"

#include <QCoreApplication>
#include <QDir>
#include <QJsonObject>
#include <QLocalServer>
#include <QLocalSocket>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTcpServer>
#include <QTcpSocket>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace control {

std::optional<ControlAddress> readControlAddress(const QString &text, QString *problem)
{
    static const QRegularExpression hostAndPort(QStringLiteral("^(\\[[^\\]]*\\]|[^/\\[\\]]*):(\\d+)$"));
    const QRegularExpressionMatch match = hostAndPort.match(text);
    if (!match.hasMatch()) {
        if (text.isEmpty()) {
            *problem = QStringLiteral("--control needs a socket path or 127.0.0.1:PORT or [::1]:PORT");
            return std::nullopt;
        }
        return ControlAddress{text, {}, 0};
    }
    QString host = match.captured(1);
    if (host.startsWith(QLatin1Char('[')))
        host = host.mid(1, host.size() - 2);
    const QHostAddress address(host);
    bool ok = false;
    const uint port = match.captured(2).toUInt(&ok);
    if (address != QHostAddress(QHostAddress::LocalHost) && address != QHostAddress(QHostAddress::LocalHostIPv6)) {
        *problem = QStringLiteral("--control %1: only 127.0.0.1 and [::1] are taken, so that nothing outside this machine "
                                  "can drive the program")
                       .arg(text);
        return std::nullopt;
    }
    if (!ok || port > 65535) {
        *problem = QStringLiteral("--control %1: the port is 0 (any free one) to 65535").arg(text);
        return std::nullopt;
    }
    return ControlAddress{{}, address, quint16(port)};
}

QString defaultControlPath(const QString &program)
{
    QString folder = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = QDir::tempPath();
    return QDir(folder).filePath(QStringLiteral("%1-%2.sock").arg(program).arg(QCoreApplication::applicationPid()));
}

ControlServer::ControlServer(QObject *parent)
    : QObject(parent), m_service([this](int client, const QByteArray &line) { write(client, line); })
{
}

ControlServer::~ControlServer()
{
    close();
}

QString ControlServer::listen(const ControlAddress &address, const QString &tokenFile)
{
    if (!address.path.isEmpty()) {
        m_local = new QLocalServer(this);
        m_local->setSocketOptions(QLocalServer::UserAccessOption);
        if (QFileInfo(address.path).exists() && QFileInfo(address.path).isFile())
            return QStringLiteral("%1 exists and is not a socket").arg(address.path);
        QLocalServer::removeServer(address.path); // a socket left by a program that was killed
        if (!m_local->listen(address.path))
            return QStringLiteral("cannot listen on %1: %2").arg(address.path, m_local->errorString());
        m_path = m_local->fullServerName();
        ::chmod(QFile::encodeName(m_path).constData(), 0600);
        connect(m_local, &QLocalServer::newConnection, this, [this] {
            while (QLocalSocket *socket = m_local->nextPendingConnection())
                accept(socket, true);
        });
        return {};
    }
    if (tokenFile.isEmpty())
        return QStringLiteral("a TCP control address needs --control-token FILE");
    m_token = QByteArray::number(QRandomGenerator::system()->generate64(), 16) +
              QByteArray::number(QRandomGenerator::system()->generate64(), 16);
    const int fd = ::open(QFile::encodeName(tokenFile).constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0 || ::fchmod(fd, 0600) != 0 || ::write(fd, m_token.constData(), size_t(m_token.size())) != m_token.size()) {
        if (fd >= 0)
            ::close(fd);
        return QStringLiteral("cannot write the token to %1: %2").arg(tokenFile, QString::fromLocal8Bit(std::strerror(errno)));
    }
    ::close(fd);
    m_tcp = new QTcpServer(this);
    if (!m_tcp->listen(address.host, address.port))
        return QStringLiteral("cannot listen on %1: %2").arg(address.host.toString()).arg(m_tcp->errorString());
    connect(m_tcp, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket *socket = m_tcp->nextPendingConnection())
            accept(socket, false);
    });
    return {};
}

QString ControlServer::describe() const
{
    if (m_local)
        return QStringLiteral("unix:") + m_path;
    if (m_tcp) {
        const QHostAddress host = m_tcp->serverAddress();
        return host.protocol() == QAbstractSocket::IPv6Protocol ? QStringLiteral("tcp:[%1]:%2").arg(host.toString()).arg(m_tcp->serverPort())
                                                               : QStringLiteral("tcp:%1:%2").arg(host.toString()).arg(m_tcp->serverPort());
    }
    return {};
}

void ControlServer::close()
{
    if (m_local) {
        m_local->close(); // removes the socket file
        QFile::remove(m_path);
    }
    if (m_tcp)
        m_tcp->close();
}

void ControlServer::accept(QIODevice *socket, bool admitted)
{
    const int id = m_nextClient++;
    m_clients[id] = Client{socket, {}, admitted};
    connect(socket, &QIODevice::readyRead, this, [this, id] { readFrom(id); });
    if (auto *local = qobject_cast<QLocalSocket *>(socket))
        connect(local, &QLocalSocket::disconnected, this, [this, id] { drop(id); });
    else if (auto *tcp = qobject_cast<QAbstractSocket *>(socket))
        connect(tcp, &QAbstractSocket::disconnected, this, [this, id] { drop(id); });
}

void ControlServer::readFrom(int id)
{
    const auto found = m_clients.find(id);
    if (found == m_clients.end() || !found->second.socket)
        return;
    Client &client = found->second;
    if (client.hangingUp) {
        (void)client.socket->readAll();
        return;
    }
    client.buffer += client.socket->readAll();
    for (qsizetype end = client.buffer.indexOf('\n'); end >= 0; end = client.buffer.indexOf('\n')) {
        const QByteArray line = client.buffer.left(end);
        client.buffer.remove(0, end + 1);
        handle(id, line);
        if (!m_clients.count(id) || client.hangingUp)
            return; // dropped or hanging up while handling
    }
    if (client.buffer.size() > MaxLineBytes) {
        write(id, errorLine(QJsonValue::Null, InvalidRequest, QStringLiteral("a line holds at most %1 bytes").arg(MaxLineBytes)));
        hangUp(id);
    }
}

void ControlServer::handle(int id, const QByteArray &line)
{
    Client &client = m_clients[id];
    if (!client.admitted) {
        // The first line of a TCP client is the token, and nothing else is taken before it.
        if (line.trimmed() != m_token || m_token.isEmpty()) {
            hangUp(id);
            return;
        }
        client.admitted = true;
        return;
    }
    if (line.trimmed().isEmpty())
        return;
    ControlRequest request = readRequest(line);
    if (!request.valid) {
        write(id, errorLine(request.id, request.errorCode, request.errorMessage));
        return;
    }
    if (request.method == QLatin1String("pendant.answer")) { // out of turn: a handler waits for it
        const QJsonValue answer = request.params.first();
        if (!answer.isObject()) {
            if (!request.notification)
                write(id, errorLine(request.id, InvalidParams, QStringLiteral("pendant.answer takes one object: {token, answer, …}")));
            return;
        }
        m_service.answer(id, answer.toObject());
        if (!request.notification)
            write(id, resultLine(request.id, true));
        return;
    }
    m_service.submit(id, std::move(request));
    m_service.expectAction();
}

void ControlServer::write(int client, const QByteArray &line)
{
    const auto found = m_clients.find(client);
    if (found == m_clients.end() || !found->second.socket || !found->second.socket->isOpen())
        return;
    QIODevice *socket = found->second.socket;
    socket->write(line);
    // Out now, not when the event loop next turns: this thread may first look out for a script's next action.
    if (auto *local = qobject_cast<QLocalSocket *>(socket))
        local->flush();
    else if (auto *tcp = qobject_cast<QAbstractSocket *>(socket))
        tcp->flush();
}

// Closes the connection once what was written to it has gone out; it is dropped when it has closed.
void ControlServer::hangUp(int id)
{
    Client &client = m_clients[id];
    client.hangingUp = true;
    client.buffer.clear();
    if (auto *local = qobject_cast<QLocalSocket *>(client.socket.data()))
        local->disconnectFromServer();
    else if (auto *tcp = qobject_cast<QAbstractSocket *>(client.socket.data()))
        tcp->disconnectFromHost();
}

void ControlServer::drop(int id)
{
    const auto found = m_clients.find(id);
    if (found == m_clients.end())
        return;
    if (found->second.socket)
        found->second.socket->deleteLater();
    m_clients.erase(found);
    m_service.clientGone(id);
}

} // namespace control
