#include "controllerobject.h"

#include "cao/engine.h"
#include "script/scriptcontext.h"
#include "script/uiagent.h"
#include "consolescript/values.h"

namespace consolescript {

namespace {
cao::Controller &open(const std::weak_ptr<cao::Controller> &weak)
{
    const std::shared_ptr<cao::Controller> controller = weak.lock();
    if (!controller || controller->isStopped())
        throw script::ActionFailed{QStringLiteral("the connection is closed")};
    return *controller;
}

script::ActionFailed failure(const QString &what, const cao::Failure &failure)
{
    return script::ActionFailed{QStringLiteral("%1 failed: 0x%2 %3").arg(what).arg(failure.status(), 8, 16, QLatin1Char('0')).arg(failure.description()),
                        failure.status()};
}
} // namespace

ControllerObject::ControllerObject(script::ScriptContext &context, std::weak_ptr<cao::Controller> controller)
    : m_context(context), m_controller(std::move(controller))
{
}

ControllerObject::~ControllerObject()
{
    if (m_listener) // made in the user-interface thread, so it goes there too
        m_context.ui().run([listener = m_listener] { delete *listener; }, false);
}

bool ControllerObject::engineValue(const QJSValue &value, cao::Value &converted)
{
    QString problem;
    converted = toEngineValue(value, &problem);
    if (problem.isEmpty())
        return true;
    m_context.engine().throwError(QJSValue::TypeError, problem);
    return false;
}

QJSValue ControllerObject::execute(const QString &command, const QJSValue &value)
{
    cao::Value parameter;
    if (!engineValue(value, parameter))
        return {};
    return m_context.answer([&]() -> QJSValue {
        const QVariant result = m_context.onUi([weak = m_controller, command, parameter]() -> QVariant {
            try {
                return QVariant::fromValue(open(weak).Execute(command, parameter));
            } catch (const cao::Failure &failed) {
                throw failure(QStringLiteral("execute(\"%1\")").arg(command), failed);
            }
        });
        return toScriptValue(m_context.engine(), result.value<cao::Value>());
    });
}

void ControllerObject::setVariable(const QString &name, const QJSValue &value)
{
    cao::Value converted;
    if (!engineValue(value, converted))
        return;
    (void)m_context.answer([&]() -> QJSValue {
        m_context.onUi([weak = m_controller, name, converted]() -> QVariant {
            try {
                open(weak).Variables().Item(name)->setValue(converted);
            } catch (const cao::Failure &failed) {
                throw failure(QStringLiteral("setVariable(\"%1\")").arg(name), failed);
            }
            return {};
        });
        return {};
    });
}

void ControllerObject::onMessage(const QJSValue &handler)
{
    if (!handler.isCallable()) {
        m_context.engine().throwError(QJSValue::TypeError, QStringLiteral("onMessage takes a function (number, value)"));
        return;
    }
    m_handlers << handler;
    if (m_listener)
        return;
    m_listener = std::make_shared<QObject *>(nullptr);
    // Each message the controller raises is handed to the script's handlers while the script waits.
    auto deliver = [this](qint32 number, const cao::Value &value) {
        for (const QJSValue &each : std::as_const(m_handlers))
            m_context.callHandler(each, {QJSValue(number), toScriptValue(m_context.engine(), value)},
                                  QStringLiteral("the onMessage handler"));
    };
    (void)m_context.answer([&]() -> QJSValue {
        m_context.onUi([weak = m_controller, listener = m_listener, deliver, post = m_context.poster()]() -> QVariant {
            *listener = new QObject;
            QObject::connect(&open(weak), &cao::Controller::OnMessage, *listener,
                             [deliver, post](const std::shared_ptr<cao::Message> &message) {
                                 post([deliver, number = message->Number(), value = message->Value()] { deliver(number, value); });
                             });
            return {};
        });
        return {};
    });
}

// The global `controller`: a getter, so that it follows Open and Close.
class ConnectionObject : public QObject
{
    Q_OBJECT
public:
    ConnectionObject(script::ScriptContext &context, ControllerHost::Connection connection)
        : m_context(context), m_connection(std::move(connection))
    {
    }

    Q_INVOKABLE QJSValue i2(const QJSValue &number) { return typed(cao::VT_I2, number); }
    Q_INVOKABLE QJSValue i4(const QJSValue &number) { return typed(cao::VT_I4, number); }

    Q_INVOKABLE QJSValue current()
    {
        return m_context.answer([&]() -> QJSValue {
            auto found = std::make_shared<std::weak_ptr<cao::Controller>>();
            m_context.onUi([this, found] { *found = m_connection(); return QVariant(); }, false);
            const std::shared_ptr<cao::Controller> controller = found->lock();
            if (!controller)
                return QJSValue(QJSValue::NullValue);
            // The same object for the same connection, so that its message handlers stay with it.
            const auto same = [&controller](const Known &known) {
                return !known.controller.owner_before(controller) && !controller.owner_before(known.controller);
            };
            auto known = std::find_if(m_known.begin(), m_known.end(), same);
            if (known == m_known.end()) {
                m_known.push_back({controller, std::make_unique<ControllerObject>(m_context, controller)});
                known = std::prev(m_known.end());
                QJSEngine::setObjectOwnership(known->object.get(), QJSEngine::CppOwnership);
            }
            return m_context.engine().newQObject(known->object.get());
        });
    }

private:
    QJSValue typed(quint16 vt, const QJSValue &number)
    {
        QString problem;
        QJSValue value = typedInteger(m_context.engine(), vt, number, &problem);
        if (!problem.isEmpty())
            m_context.engine().throwError(problem);
        return value;
    }

    struct Known
    {
        std::weak_ptr<cao::Controller> controller;
        std::unique_ptr<ControllerObject> object;
    };
    script::ScriptContext &m_context;
    ControllerHost::Connection m_connection;
    std::vector<Known> m_known;
};

ControllerHost::ControllerHost(Connection connection) : m_connection(std::move(connection)) {}

ControllerHost::~ControllerHost() = default;

void ControllerHost::install(script::ScriptContext &context)
{
    m_object = std::make_unique<ConnectionObject>(context, m_connection);
    QJSEngine &engine = context.engine();
    QJSEngine::setObjectOwnership(m_object.get(), QJSEngine::CppOwnership);
    QJSValue connection = engine.newQObject(m_object.get());
    engine.globalObject().setProperty(QStringLiteral("__connection"), connection);
    for (const char *name : {"i2", "i4"}) // integer types for the engine's values
        engine.globalObject().setProperty(QLatin1String(name), connection.property(QLatin1String(name)));
    engine.evaluate(QStringLiteral("Object.defineProperty(this, 'controller', { get: function () { return __connection.current(); } });"),
                    QStringLiteral("<zandorex>"));
}

void ControllerHost::uninstall()
{
    m_object.reset();
}

} // namespace consolescript

#include "controllerobject.moc"
