#include "engine.h"

#include "status.h"
#include "trace.h"

#include <QElapsedTimer>
#include <QMetaObject>
#include <QThread>
#include <QTimer>

Q_LOGGING_CATEGORY(lcCao, "zandorex.cao", QtWarningMsg)

namespace cao {

namespace {
Failure stoppedFailure()
{
    return Failure(status::Disconnected, QStringLiteral("The controller has been removed and is stopped"));
}
} // namespace

// ---- Message

Message::Message(qint32 number, cao::Value value, MessageSink::AnswerHandler onAnswer)
    : m_number(number), m_value(std::move(value)), m_onAnswer(std::move(onAnswer))
{
}

qint32 Message::Number() const
{
    qCDebug(lcCao) << "Message.Number ->" << m_number;
    return m_number;
}

cao::Value Message::Value() const
{
    qCDebug(lcCao).noquote() << "Message.Value ->" << m_value.describe();
    return m_value;
}

void Message::Answer(const cao::Value &answer)
{
    qCDebug(lcCao).noquote() << "Message.Answer" << m_number << answer.describe();
    m_answered = true;
    if (m_onAnswer)
        m_onAnswer(answer);
}

// ---- CallActivity

CallActivity &CallActivity::instance()
{
    static CallActivity activity;
    return activity;
}

void CallActivity::leave()
{
    if (--m_depth == 0)
        Q_EMIT idle();
}

// ---- Controller

namespace {
// How long one turn of the event loop may spend raising queued messages.
constexpr qint64 DeliverySliceNs = 8'000'000;
} // namespace

// Marks an engine call under way, so that messages raised meanwhile wait for its end.
class Controller::CallScope
{
public:
    explicit CallScope(Controller &controller) : m_keepAlive(controller.shared_from_this()), m_controller(controller)
    {
        ++m_controller.m_callDepth;
        CallActivity::instance().enter();
    }
    ~CallScope()
    {
        if (--m_controller.m_callDepth == 0) {
            m_controller.m_retiredSession.reset();
            m_controller.scheduleDelivery();
        }
        CallActivity::instance().leave();
    }
    CallScope(const CallScope &) = delete;
    CallScope &operator=(const CallScope &) = delete;

private:
    std::shared_ptr<Controller> m_keepAlive;
    Controller &m_controller;
};

Controller::Controller(QString name) : m_name(std::move(name)) {}

Controller::~Controller() = default;

ProviderSession &Controller::session()
{
    if (!m_session)
        throw stoppedFailure();
    return *m_session;
}

qint32 Controller::Index() const
{
    if (m_stopped || !m_collection)
        throw stoppedFailure();
    const qint32 index = m_collection->indexOf(this);
    qCDebug(lcCao) << "Controller.Index" << m_name << "->" << index;
    return index;
}

std::shared_ptr<Variable> Controller::AddVariable(const QString &name, const QString &option)
{
    qCDebug(lcCao).noquote() << "Controller.AddVariable" << m_name << QStringLiteral("VT_BSTR \"%1\"").arg(name)
                             << QStringLiteral("VT_BSTR \"%1\"").arg(option);
    CallScope call(*this);
    session().addVariable(name, option);
    for (const auto &existing : m_variables.m_variables) {
        if (existing->Name().compare(name, Qt::CaseInsensitive) == 0)
            return existing;
    }
    auto variable = std::make_shared<Variable>(weak_from_this(), name);
    m_variables.m_variables.push_back(variable);
    return variable;
}

VariableCollection &Controller::Variables()
{
    if (m_stopped)
        throw stoppedFailure();
    qCDebug(lcCao) << "Controller.Variables" << m_name;
    return m_variables;
}

cao::Value Controller::Execute(const QString &command, const cao::Value &parameter)
{
    qCDebug(lcCao).noquote() << "Controller.Execute" << m_name << QStringLiteral("\"%1\"").arg(command)
                             << parameter.describe();
    CallScope call(*this);
    try {
        cao::Value result = session().execute(command, parameter);
        qCDebug(lcCao).noquote() << "Controller.Execute ->" << result.describe();
        return result;
    } catch (const Failure &failure) {
        qCDebug(lcCao).noquote() << "Controller.Execute failed" << Qt::hex << failure.status() << failure.description();
        throw;
    }
}

void Controller::raise(qint32 number, cao::Value value, AnswerHandler onAnswer)
{
    if (QThread::currentThread() != thread()) {
        std::weak_ptr<Controller> weak = weak_from_this();
        QMetaObject::invokeMethod(
            this,
            [weak, number, value = std::move(value), onAnswer = std::move(onAnswer)]() mutable {
                if (auto self = weak.lock())
                    self->raise(number, std::move(value), std::move(onAnswer));
            },
            Qt::QueuedConnection);
        return;
    }
    if (m_stopped)
        return; // a stopped controller raises nothing
    qCDebug(lcCao).noquote() << "Controller.raise" << m_name << number << value.describe();
    m_pending.push_back(std::make_shared<Message>(number, std::move(value), std::move(onAnswer)));
    scheduleDelivery();
}

void Controller::scheduleDelivery()
{
    if (m_deliveryScheduled || m_pending.empty() || m_callDepth > 0 || m_delivering)
        return;
    m_deliveryScheduled = true;
    std::weak_ptr<Controller> weak = weak_from_this();
    QTimer::singleShot(0, this, [weak] {
        if (auto self = weak.lock()) {
            self->m_deliveryScheduled = false;
            self->deliverPending();
        }
    });
}

void Controller::deliverPending()
{
    if (m_callDepth > 0 || m_delivering)
        return; // the end of the call or of the delivery under way schedules again
    auto keepAlive = shared_from_this();
    m_delivering = true;
    // A burst is delivered in slices, so that painting and input get their turn between them.
    QElapsedTimer slice;
    slice.start();
    while (!m_pending.empty() && !m_stopped && m_callDepth == 0) {
        std::shared_ptr<Message> message = m_pending.front();
        m_pending.pop_front();
        qCDebug(lcCao) << "Controller.OnMessage" << m_name << message->Number();
        Q_EMIT OnMessage(message);
        if (slice.nsecsElapsed() >= DeliverySliceNs)
            break;
    }
    m_delivering = false;
    scheduleDelivery();
}

void Controller::stop()
{
    qCDebug(lcCao) << "Controller.stop" << m_name;
    m_stopped = true;
    m_pending.clear();
    m_collection = nullptr;
    if (m_callDepth > 0)
        m_retiredSession = std::move(m_session); // the provider is still on the stack; free it when its call returns
    else
        m_session.reset();
}

// ---- Variable

Variable::Variable(std::weak_ptr<Controller> controller, QString name)
    : m_controller(std::move(controller)), m_name(std::move(name))
{
}

std::shared_ptr<Controller> Variable::controller() const
{
    auto controller = m_controller.lock();
    if (!controller || controller->isStopped())
        throw stoppedFailure();
    return controller;
}

cao::Value Variable::Value() const
{
    auto owner = controller();
    Controller::CallScope call(*owner);
    cao::Value value = owner->session().readVariable(m_name);
    qCDebug(lcCao).noquote() << "Variable.Value" << m_name << "->" << value.describe();
    return value;
}

void Variable::setValue(const cao::Value &value)
{
    qCDebug(lcCao).noquote() << "Variable.Value =" << m_name << value.describe();
    auto owner = controller();
    Controller::CallScope call(*owner);
    owner->session().writeVariable(m_name, value);
}

std::shared_ptr<Variable> VariableCollection::Item(const QString &name) const
{
    qCDebug(lcCao).noquote() << "Variables.Item" << QStringLiteral("VT_BSTR \"%1\"").arg(name);
    for (const auto &variable : m_variables) {
        if (variable->Name().compare(name, Qt::CaseInsensitive) == 0)
            return variable;
    }
    throw Failure(status::BadIndex, QStringLiteral("No variable named \"%1\" was added to the controller").arg(name));
}

// ---- Collections, workspace, engine

ControllerCollection::~ControllerCollection()
{
    for (const auto &controller : m_controllers)
        controller->stop();
}

void ControllerCollection::Remove(qint32 index)
{
    qCDebug(lcCao) << "Controllers.Remove VT_I4" << index;
    if (index < 0 || index >= Count())
        throw Failure(status::BadIndex, QStringLiteral("No controller at index %1").arg(index));
    std::shared_ptr<Controller> controller = m_controllers[static_cast<size_t>(index)];
    m_controllers.erase(m_controllers.begin() + index);
    controller->stop();
}

std::shared_ptr<Controller> ControllerCollection::Item(qint32 index) const
{
    if (index < 0 || index >= Count())
        throw Failure(status::BadIndex, QStringLiteral("No controller at index %1").arg(index));
    return m_controllers[static_cast<size_t>(index)];
}

qint32 ControllerCollection::indexOf(const Controller *controller) const
{
    for (size_t i = 0; i < m_controllers.size(); ++i) {
        if (m_controllers[i].get() == controller)
            return static_cast<qint32>(i);
    }
    return -1;
}

std::shared_ptr<Controller> Workspace::AddController(const QString &name, const QString &programmaticId,
                                                     const QString &machineName, const QString &options)
{
    qCDebug(lcCao).noquote() << "Workspace.AddController" << QStringLiteral("\"%1\"").arg(name)
                             << QStringLiteral("\"%1\"").arg(programmaticId)
                             << QStringLiteral("\"%1\"").arg(machineName) << QStringLiteral("\"%1\"").arg(options);
    std::shared_ptr<Provider> provider = ProviderRegistry::find(programmaticId);
    if (!provider)
        throw Failure(status::UnknownProvider,
                      QStringLiteral("No provider is registered under the programmatic id \"%1\"").arg(programmaticId));
    auto controller = std::make_shared<Controller>(name);
    controller->m_session = provider->open(ControllerRequest{name, machineName, options}, *controller);
    if (!controller->m_session)
        throw Failure(status::Unspecified, QStringLiteral("The provider \"%1\" opened no session").arg(programmaticId));
    controller->m_collection = &m_controllers;
    m_controllers.m_controllers.push_back(controller);
    return controller;
}

WorkspaceCollection::WorkspaceCollection()
{
    m_workspaces.push_back(std::make_shared<Workspace>());
}

std::shared_ptr<Workspace> WorkspaceCollection::Item(qint16 index) const
{
    qCDebug(lcCao) << "Workspaces.Item VT_I2" << index;
    if (index < 0 || index >= Count())
        throw Failure(status::BadIndex, QStringLiteral("No workspace at index %1").arg(index));
    return m_workspaces[static_cast<size_t>(index)];
}

Engine::Engine() = default;

WorkspaceCollection &Engine::Workspaces()
{
    qCDebug(lcCao) << "Engine.Workspaces";
    return m_workspaces;
}

} // namespace cao
