#pragma once
// One line a control client sends, read as a JSON-RPC 2.0 request: a call to carry out, or the error to answer
// at once. The whole of what comes from outside passes through here first.
#include <QJsonArray>
#include <QJsonValue>
#include <QString>

namespace control {

// JSON-RPC's own codes and ours.
enum ErrorCode : int {
    ParseError = -32700,     // not JSON
    InvalidRequest = -32600, // JSON, but not a request (or a line over the limit)
    MethodNotFound = -32601,
    InvalidParams = -32602,
    Failure = -32000,        // the call failed as it fails in a script: its message, and the status where there is one
    TimedOut = -32001,       // a wait ran out of time (log.expect, pendant.expectRequest)
    Stopped = -32002,        // the program is ending
};

inline constexpr qsizetype MaxLineBytes = 1 << 20;

struct ControlRequest
{
    bool valid = false;
    bool notification = false; // no id: nothing is answered
    QJsonValue id;             // a number, a text or null
    QString method;
    QJsonArray params;
    // When not valid: the error to answer with.
    int errorCode = 0;
    QString errorMessage;
};

[[nodiscard]] ControlRequest readRequest(QByteArrayView line);

// The lines a program writes back: a result, an error, a notification.
[[nodiscard]] QByteArray resultLine(const QJsonValue &id, const QJsonValue &result);
[[nodiscard]] QByteArray errorLine(const QJsonValue &id, int code, const QString &message, const QJsonValue &data = {});
[[nodiscard]] QByteArray notificationLine(const QString &method, const QJsonValue &params);

} // namespace control
