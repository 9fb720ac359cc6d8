#pragma once
// The control socket: a Unix socket (mode 0600) or a TCP port on the loopback address, where clients send
// JSON-RPC 2.0 requests, one JSON object per line, and get their answers and notifications the same way. A TCP
// client first sends the token the program wrote to its token file; anything else closes the connection. Runs in
// the user-interface thread; the calls are carried out by the service (controlservice.h).
#include "control/controlservice.h"

#include <QHostAddress>
#include <QObject>
#include <QPointer>
#include <map>
#include <memory>
#include <optional>

class QIODevice;
class QLocalServer;
class QTcpServer;

namespace control {

struct ControlAddress
{
    QString path;        // a Unix socket; or, when empty:
    QHostAddress host;   // 127.0.0.1 or ::1
    quint16 port = 0;    // 0: any free port
};

// ADDRESS as the command line gives it; nothing and why when it is not one this program may listen on.
[[nodiscard]] std::optional<ControlAddress> readControlAddress(const QString &text, QString *problem);
// Where a bare --control listens: under $XDG_RUNTIME_DIR (else the temporary folder), named for the program and
// its process.
[[nodiscard]] QString defaultControlPath(const QString &program);

class ControlServer : public QObject
{
    Q_OBJECT
public:
    explicit ControlServer(QObject *parent = nullptr);
    ~ControlServer() override; // removes the socket file

    // Listens; an empty text, or why it cannot. TCP needs a token file.
    [[nodiscard]] QString listen(const ControlAddress &address, const QString &tokenFile);
    // "unix:PATH" or "tcp:ADDRESS:PORT", the port it got included.
    [[nodiscard]] QString describe() const;
    [[nodiscard]] ControlService &service() { return m_service; }
    // Stops listening and removes the socket file (also on the way out at once).
    void close();

private:
    struct Client
    {
        QPointer<QIODevice> socket;
        QByteArray buffer;
        bool admitted = false; // a Unix client is; a TCP client once it gave the token
        bool hangingUp = false; // nothing more is read from it
    };
    void accept(QIODevice *socket, bool admitted);
    void readFrom(int id);
    void handle(int id, const QByteArray &line);
    void write(int client, const QByteArray &line);
    void hangUp(int id);
    void drop(int id);

    ControlService m_service;
    QLocalServer *m_local = nullptr;
    QTcpServer *m_tcp = nullptr;
    QString m_path;
    QByteArray m_token;
    std::map<int, Client> m_clients;
    int m_nextClient = 1;
};

} // namespace control
