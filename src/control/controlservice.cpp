#include "controlservice.h"

#include "script/results.h"
#include "script/scriptcontext.h"
#include "script/uiagent.h"

#include <QJSEngine>
#include <QJsonArray>
#include <QScopeGuard>

namespace control {

namespace {
const QStringList ObjectNames = {QStringLiteral("window"), QStringLiteral("log"), QStringLiteral("controller"),
                                 QStringLiteral("pendant")};
constexpr int DefaultDeadlineMs = 5000;

// JSON as a script passes it: {"i2": n} and {"i4": n} as i2(n) and i4(n), {"regexp": p, "flags": f} as a RegExp.
QJSValue toScript(QJSEngine &engine, const QJsonValue &value, QString *problem)
{
    switch (value.type()) {
    case QJsonValue::Null:
        return QJSValue(QJSValue::NullValue);
    case QJsonValue::Bool:
        return QJSValue(value.toBool());
    case QJsonValue::Double:
        return QJSValue(value.toDouble());
    case QJsonValue::String:
        return QJSValue(value.toString());
    case QJsonValue::Array: {
        const QJsonArray array = value.toArray();
        QJSValue list = engine.newArray(quint32(array.size()));
        for (qsizetype k = 0; k < array.size(); ++k)
            list.setProperty(quint32(k), toScript(engine, array[k], problem));
        return list;
    }
    case QJsonValue::Object: {
        const QJsonObject object = value.toObject();
        for (const char *width : {"i2", "i4"}) {
            if (object.size() == 1 && object.contains(QLatin1String(width))) {
                const QJSValue make = engine.globalObject().property(QLatin1String(width));
                if (!make.isCallable()) {
                    *problem = QStringLiteral("{\"%1\": n} is for the console's engine values").arg(QLatin1String(width));
                    return {};
                }
                return make.call({toScript(engine, object.value(QLatin1String(width)), problem)});
            }
        }
        if (object.contains(QLatin1String("regexp"))) {
            const QJSValue make = engine.evaluate(QStringLiteral("(function (p, f) { return new RegExp(p, f); })"));
            const QJSValue made = make.call({object.value(QLatin1String("regexp")).toString(), object.value(QLatin1String("flags")).toString()});
            if (made.isError())
                *problem = made.toString();
            return made;
        }
        QJSValue made = engine.newObject();
        for (auto it = object.begin(); it != object.end(); ++it)
            made.setProperty(it.key(), toScript(engine, it.value(), problem));
        return made;
    }
    case QJsonValue::Undefined:
        break;
    }
    return {};
}

QJsonValue toJson(const QJSValue &value)
{
    return QJsonValue::fromVariant(value.toVariant());
}

// The script's side of the service: what its handlers call.
class ControlHelper : public QObject
{
    Q_OBJECT
public:
    ControlHelper(ControlService &service, script::ScriptContext &context) : m_service(service), m_context(context) {}

    Q_INVOKABLE void lineEntered(const QString &line) { m_service.lineEntered(line); }
    Q_INVOKABLE QJSValue ask(int client, const QString &kind, const QJSValue &request, int deadlineMs)
    {
        return m_context.answer([&]() -> QJSValue {
            const QJsonValue verdict = m_service.ask(client, kind, toJson(request), deadlineMs);
            return verdict.isObject() ? m_context.engine().toScriptValue(verdict.toObject().toVariantMap()) : QJSValue();
        });
    }

private:
    ControlService &m_service;
    script::ScriptContext &m_context;
};
} // namespace

ControlService::ControlService(Writer writer) : m_write(std::move(writer)) {}

// From the script's thread: the line goes out from the user-interface thread, which the action queue reaches
// without waking it when it is looking out for the next action (as it does right after one).
void ControlService::send(int client, const QByteArray &line) const
{
    m_context->ui().run([write = m_write, client, line] { write(client, line); }, false, true);
}

void ControlService::submit(int client, ControlRequest request)
{
    std::function<void(std::function<void()>)> post;
    {
        std::lock_guard lock(m_mutex);
        m_calls.push_back({client, std::move(request)});
        post = m_post;
    }
    if (post)
        post([] {}); // the wait looks at the queue again
}

void ControlService::expectAction()
{
    script::UiAgent *ui = nullptr;
    {
        std::lock_guard lock(m_mutex);
        ui = m_ui;
    }
    if (ui)
        ui->expectAction();
}

void ControlService::answer(int client, const QJsonObject &answer)
{
    std::lock_guard lock(m_mutex);
    if (m_post)
        m_post([this, client, answer] {
            const int token = answer.value(QLatin1String("token")).toInt();
            if (m_tokenOwners.count(token) && m_tokenOwners[token] == client)
                m_answers[token] = answer;
        });
}

void ControlService::clientGone(int client)
{
    std::lock_guard lock(m_mutex);
    std::erase_if(m_calls, [client](const Call &call) { return call.client == client; }); // nobody to answer
    if (m_post)
        m_post([this, client] { forget(client); });
}

void ControlService::serve(script::ScriptContext &context)
{
    m_context = &context;
    QJSEngine &engine = context.engine();
    ControlHelper helper(*this, context);
    QJSEngine::setObjectOwnership(&helper, QJSEngine::CppOwnership);
    engine.globalObject().setProperty(QStringLiteral("__control"), engine.newQObject(&helper));
    m_invoke = engine.evaluate(QStringLiteral("(function (t, m, args) { return t[m].apply(t, args); })"));
    {
        std::lock_guard lock(m_mutex);
        m_post = context.poster();
        m_ui = &context.ui();
    }
    const auto detach = qScopeGuard([this] {
        std::lock_guard lock(m_mutex);
        m_post = nullptr;
        m_ui = nullptr;
        m_context = nullptr;
    });
    for (;;) {
        context.wait(-1, [this] {
            std::lock_guard lock(m_mutex);
            return !m_calls.empty();
        });
        Call call;
        {
            std::lock_guard lock(m_mutex);
            if (m_calls.empty())
                continue;
            call = std::move(m_calls.front());
            m_calls.pop_front();
        }
        carryOut(call);
    }
}

QJSValue ControlService::invoke(const QJSValue &target, const QString &member, const QJSValueList &arguments,
                                std::optional<script::Thrown> &thrown)
{
    QJSValue list = m_context->engine().newArray(quint32(arguments.size()));
    for (qsizetype k = 0; k < arguments.size(); ++k)
        list.setProperty(quint32(k), arguments[k]);
    return m_context->call(m_invoke, {target, QJSValue(member), list}, thrown);
}

void ControlService::reply(const Call &call, const QJSValue &result, const std::optional<script::Thrown> &thrown)
{
    if (call.request.notification)
        return;
    if (m_context->stopping()) {
        send(call.client, errorLine(call.request.id, Stopped, QStringLiteral("the program is ending")));
        return;
    }
    if (!thrown) {
        send(call.client, resultLine(call.request.id, toJson(result)));
        return;
    }
    QJsonObject data;
    if (thrown->status)
        data.insert(QStringLiteral("status"), double(*thrown->status));
    if (!thrown->detail.isEmpty())
        data.insert(QStringLiteral("detail"), thrown->detail);
    send(call.client, errorLine(call.request.id, thrown->timedOut ? TimedOut : Failure, thrown->message,
                                data.isEmpty() ? QJsonValue() : QJsonValue(data)));
}

void ControlService::refuse(const Call &call, int code, const QString &message)
{
    if (!call.request.notification)
        send(call.client, errorLine(call.request.id, code, message));
}

void ControlService::carryOut(const Call &call)
{
    const QString &method = call.request.method;
    const QString object = method.section(QLatin1Char('.'), 0, 0);
    const QString member = method.section(QLatin1Char('.'), 1);
    QJSEngine &engine = m_context->engine();
    if (!ObjectNames.contains(object) || member.isEmpty() || member.contains(QLatin1Char('.')) || member.startsWith(QLatin1Char('_')) ||
        !engine.globalObject().hasProperty(object))
        return refuse(call, MethodNotFound, QStringLiteral("no method \"%1\" in this program (docs/control.md lists them)").arg(method));
    if (method == QLatin1String("log.subscribe") || method == QLatin1String("log.unsubscribe") ||
        method == QLatin1String("pendant.on") || method == QLatin1String("pendant.off"))
        return special(call, method);
    const QJSValue target = engine.globalObject().property(object);
    if (target.isObject()) {
        const QJSValue found = target.property(member);
        // A handler is a script's function; a client has log.subscribe and pendant.on instead.
        if (found.isUndefined() || member == QLatin1String("onLine") || member == QLatin1String("onMessage"))
            return refuse(call, MethodNotFound, QStringLiteral("no method \"%1\" in this program (docs/control.md lists them)").arg(method));
        if (!found.isCallable()) { // a property: log.count, pendant.backlight, pendant.beeps
            if (!call.request.params.isEmpty())
                return refuse(call, InvalidParams, QStringLiteral("\"%1\" takes no arguments").arg(method));
            return reply(call, found, std::nullopt);
        }
    }
    QString problem;
    QJSValueList arguments;
    for (const QJsonValue &each : call.request.params)
        arguments << toScript(engine, each, &problem);
    if (!problem.isEmpty())
        return refuse(call, InvalidParams, problem);
    std::optional<script::Thrown> thrown;
    const QJSValue result = invoke(target, member, arguments, thrown);
    reply(call, result, thrown);
}

// The calls that make notifications: they register handlers of the service's own with the same objects.
void ControlService::special(const Call &call, const QString &method)
{
    QJSEngine &engine = m_context->engine();
    const QJsonArray &params = call.request.params;
    std::optional<script::Thrown> thrown;
    if (method == QLatin1String("log.subscribe")) {
        if (!m_followingLog) {
            const QJSValue handler = engine.evaluate(QStringLiteral("(function (line) { __control.lineEntered(line); })"));
            (void)invoke(engine.globalObject().property(QStringLiteral("log")), QStringLiteral("onLine"), {handler}, thrown);
            m_followingLog = !thrown;
        }
        if (!thrown)
            m_logSubscribers.insert(call.client);
        return reply(call, QJSValue(true), thrown);
    }
    if (method == QLatin1String("log.unsubscribe")) {
        m_logSubscribers.remove(call.client);
        return reply(call, QJSValue(true), std::nullopt);
    }
    if (params.isEmpty() || !params[0].isString())
        return refuse(call, InvalidParams, QStringLiteral("%1 takes a request kind first").arg(method));
    const QString kind = params[0].toString();
    const QJSValue pendant = engine.globalObject().property(QStringLiteral("pendant"));
    if (method == QLatin1String("pendant.off")) {
        (void)invoke(pendant, QStringLiteral("on"), {QJSValue(kind), QJSValue(QJSValue::NullValue)}, thrown);
        if (!thrown)
            m_handlerOwners.erase(kind);
        return reply(call, QJSValue(true), thrown);
    }
    const int deadline = params.size() > 1 && params[1].isDouble() ? std::clamp(params[1].toInt(), 0, 600000) : DefaultDeadlineMs;
    const QJSValue makeHandler = engine.evaluate(QStringLiteral(
        "(function (client, kind, deadline) { return function (r) { return __control.ask(client, kind, r, deadline); }; })"));
    const QJSValue handler = makeHandler.call({QJSValue(call.client), QJSValue(kind), QJSValue(deadline)});
    (void)invoke(pendant, QStringLiteral("on"), {QJSValue(kind), handler}, thrown);
    if (!thrown)
        m_handlerOwners[kind] = call.client;
    reply(call, QJSValue(true), thrown);
}

void ControlService::forget(int client)
{
    m_goneClients.insert(client);
    m_logSubscribers.remove(client);
    if (!m_context)
        return;
    const QJSValue pendant = m_context->engine().globalObject().property(QStringLiteral("pendant"));
    for (auto it = m_handlerOwners.begin(); it != m_handlerOwners.end();) {
        if (it->second != client) {
            ++it;
            continue;
        }
        std::optional<script::Thrown> thrown;
        (void)invoke(pendant, QStringLiteral("on"), {QJSValue(it->first), QJSValue(QJSValue::NullValue)}, thrown);
        it = m_handlerOwners.erase(it);
    }
}

void ControlService::lineEntered(const QString &line)
{
    const QByteArray notification = notificationLine(QStringLiteral("log.line"), QJsonObject{{QStringLiteral("line"), line}});
    for (int client : std::as_const(m_logSubscribers))
        send(client, notification);
}

QJsonValue ControlService::ask(int client, const QString &kind, const QJsonValue &request, int deadlineMs)
{
    if (m_goneClients.contains(client))
        return {};
    const int token = ++m_nextToken;
    m_tokenOwners[token] = client;
    const auto done = qScopeGuard([this, token] {
        m_tokenOwners.erase(token);
        m_answers.erase(token);
    });
    send(client, notificationLine(QStringLiteral("pendant.request"),
                                  QJsonObject{{QStringLiteral("token"), token}, {QStringLiteral("kind"), kind},
                                              {QStringLiteral("request"), request}, {QStringLiteral("deadlineMs"), deadlineMs}}));
    m_context->wait(deadlineMs, [&] { return m_answers.count(token) > 0 || m_goneClients.contains(client); });
    const auto found = m_answers.find(token);
    const auto asUsual = [&](const QString &why) {
        if (!m_goneClients.contains(client))
            send(client, notificationLine(QStringLiteral("pendant.unanswered"),
                                          QJsonObject{{QStringLiteral("token"), token}, {QStringLiteral("kind"), kind},
                                                      {QStringLiteral("why"), why + QStringLiteral("; the pendant answered as usual")}}));
        return QJsonValue();
    };
    if (found == m_answers.end())
        return asUsual(QStringLiteral("no answer within %1 ms").arg(deadlineMs));
    const QJsonObject answer = found->second;
    const QString how = answer.value(QLatin1String("answer")).toString(QStringLiteral("done"));
    QJsonObject verdict;
    if (how == QLatin1String("refuse")) {
        const QString reason = answer.value(QLatin1String("reason")).toString();
        verdict.insert(QStringLiteral("refuse"), reason.isEmpty() ? QStringLiteral("refused") : reason);
    } else if (how == QLatin1String("ignore")) {
        verdict.insert(QStringLiteral("ignore"), true);
    } else if (how == QLatin1String("done")) {
        if (answer.contains(QLatin1String("delayMs")))
            verdict.insert(QStringLiteral("delayMs"), answer.value(QLatin1String("delayMs")).toInt());
        if (answer.value(QLatin1String("numbers")).isArray())
            verdict.insert(QStringLiteral("numbers"), answer.value(QLatin1String("numbers")));
    } else {
        return asUsual(QStringLiteral("the answer \"%1\" is not done, refuse or ignore").arg(how));
    }
    return verdict.isEmpty() ? QJsonValue() : QJsonValue(verdict);
}

} // namespace control

#include "controlservice.moc"
