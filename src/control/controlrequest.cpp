#include "controlrequest.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace control {

namespace {
ControlRequest refused(const QJsonValue &id, int code, const QString &message)
{
    ControlRequest request;
    request.id = id;
    request.errorCode = code;
    request.errorMessage = message;
    return request;
}

QByteArray line(const QJsonObject &object)
{
    return QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n';
}
} // namespace

ControlRequest readRequest(QByteArrayView bytes)
{
    if (bytes.size() > MaxLineBytes)
        return refused(QJsonValue::Null, InvalidRequest, QStringLiteral("a line holds at most %1 bytes").arg(MaxLineBytes));
    QJsonParseError problem;
    const QJsonDocument document = QJsonDocument::fromJson(bytes.toByteArray(), &problem);
    if (problem.error != QJsonParseError::NoError)
        return refused(QJsonValue::Null, ParseError, QStringLiteral("not JSON: %1 at byte %2").arg(problem.errorString()).arg(problem.offset));
    if (!document.isObject())
        return refused(QJsonValue::Null, InvalidRequest, QStringLiteral("a request is a JSON object"));
    const QJsonObject object = document.object();
    const QJsonValue id = object.value(QLatin1String("id"));
    if (!id.isUndefined() && !id.isString() && !id.isDouble() && !id.isNull())
        return refused(QJsonValue::Null, InvalidRequest, QStringLiteral("\"id\" is a number, a text or null"));
    const QJsonValue answerTo = id.isUndefined() ? QJsonValue(QJsonValue::Null) : id;
    if (object.value(QLatin1String("jsonrpc")) != QLatin1String("2.0"))
        return refused(answerTo, InvalidRequest, QStringLiteral("\"jsonrpc\" must be \"2.0\""));
    const QJsonValue method = object.value(QLatin1String("method"));
    if (!method.isString() || method.toString().isEmpty())
        return refused(answerTo, InvalidRequest, QStringLiteral("\"method\" must be a text"));
    const QJsonValue params = object.value(QLatin1String("params"));
    if (!params.isUndefined() && !params.isArray())
        return refused(answerTo, InvalidParams, QStringLiteral("\"params\" must be an array, the arguments in order"));
    ControlRequest request;
    request.valid = true;
    request.notification = id.isUndefined();
    request.id = answerTo;
    request.method = method.toString();
    request.params = params.toArray();
    return request;
}

QByteArray resultLine(const QJsonValue &id, const QJsonValue &result)
{
    return line({{QStringLiteral("jsonrpc"), QStringLiteral("2.0")}, {QStringLiteral("id"), id}, {QStringLiteral("result"), result}});
}

QByteArray errorLine(const QJsonValue &id, int code, const QString &message, const QJsonValue &data)
{
    QJsonObject error{{QStringLiteral("code"), code}, {QStringLiteral("message"), message}};
    if (!data.isUndefined() && !data.isNull())
        error.insert(QStringLiteral("data"), data);
    return line({{QStringLiteral("jsonrpc"), QStringLiteral("2.0")}, {QStringLiteral("id"), id}, {QStringLiteral("error"), error}});
}

QByteArray notificationLine(const QString &method, const QJsonValue &params)
{
    return line({{QStringLiteral("jsonrpc"), QStringLiteral("2.0")}, {QStringLiteral("method"), method}, {QStringLiteral("params"), params}});
}

} // namespace control
