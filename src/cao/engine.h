#pragma once
// The engine stand-in. An Engine hands out its workspace collection; workspace 0 adds controllers through the
// provider registered under a programmatic id. A Controller wraps the provider's session: Execute and variable
// writes go down to it, and the provider's messages come up through the controller's MessageSink. A message is
// queued, then raised as OnMessage on the UI thread from the event loop, never while an engine call of the same
// controller is under way and never inside another OnMessage, so handlers are not re-entered. Removing a
// controller from its collection stops it for good: its session is closed, pending messages are dropped and
// every later operation fails. Every call is traced under the logging category "zandorex.cao".
#include "failure.h"
#include "provider.h"
#include "value.h"

#include <QObject>
#include <QString>
#include <deque>
#include <memory>
#include <vector>

namespace cao {

class Controller;
class ControllerCollection;

// Whether an engine call is under way anywhere in the process. While one waits, the event loop runs but takes no
// user input, so that no handler is re-entered; a program that acts like a user (a script) waits for idle() too.
class CallActivity : public QObject
{
    Q_OBJECT
public:
    [[nodiscard]] static CallActivity &instance();
    [[nodiscard]] bool busy() const { return m_depth > 0; }

Q_SIGNALS:
    // The last call under way has returned.
    void idle();

private:
    friend class Controller;
    void enter() { ++m_depth; }
    void leave();
    int m_depth = 0;
};

// One provider message as the controller raises it.
class Message
{
public:
    Message(qint32 number, cao::Value value, MessageSink::AnswerHandler onAnswer);
    [[nodiscard]] qint32 Number() const;
    [[nodiscard]] cao::Value Value() const;
    void Answer(const cao::Value &answer);
    [[nodiscard]] bool isAnswered() const { return m_answered; }

private:
    qint32 m_number;
    cao::Value m_value;
    MessageSink::AnswerHandler m_onAnswer;
    bool m_answered = false;
};

class Variable
{
public:
    Variable(std::weak_ptr<Controller> controller, QString name);
    [[nodiscard]] const QString &Name() const { return m_name; }
    [[nodiscard]] cao::Value Value() const;
    void setValue(const cao::Value &value);

private:
    [[nodiscard]] std::shared_ptr<Controller> controller() const;
    std::weak_ptr<Controller> m_controller;
    QString m_name;
};

class VariableCollection
{
public:
    [[nodiscard]] std::shared_ptr<Variable> Item(const QString &name) const;
    [[nodiscard]] qsizetype Count() const { return static_cast<qsizetype>(m_variables.size()); }

private:
    friend class Controller;
    std::vector<std::shared_ptr<Variable>> m_variables;
};

class Controller : public QObject, public MessageSink, public std::enable_shared_from_this<Controller>
{
    Q_OBJECT
public:
    explicit Controller(QString name);
    ~Controller() override;

    [[nodiscard]] const QString &Name() const { return m_name; }
    [[nodiscard]] qint32 Index() const;
    std::shared_ptr<Variable> AddVariable(const QString &name, const QString &option);
    [[nodiscard]] VariableCollection &Variables();
    cao::Value Execute(const QString &command, const cao::Value &parameter);

    [[nodiscard]] bool isStopped() const { return m_stopped; }

    // The provider's side; safe to call from any thread.
    void raise(qint32 number, cao::Value value, AnswerHandler onAnswer = {}) override;

Q_SIGNALS:
    void OnMessage(std::shared_ptr<cao::Message> pICaoMess);

private:
    friend class ControllerCollection;
    friend class Variable;
    friend class Workspace;
    class CallScope;

    ProviderSession &session();
    void stop();
    void scheduleDelivery();
    void deliverPending();

    QString m_name;
    std::unique_ptr<ProviderSession> m_session;
    std::unique_ptr<ProviderSession> m_retiredSession;
    VariableCollection m_variables;
    std::deque<std::shared_ptr<Message>> m_pending;
    int m_callDepth = 0;
    bool m_stopped = false;
    bool m_delivering = false;
    bool m_deliveryScheduled = false;
    ControllerCollection *m_collection = nullptr;
};

class ControllerCollection
{
public:
    ~ControllerCollection();
    // Removes the controller at that index and stops it.
    void Remove(qint32 index);
    [[nodiscard]] qint32 Count() const { return static_cast<qint32>(m_controllers.size()); }
    [[nodiscard]] std::shared_ptr<Controller> Item(qint32 index) const;
    [[nodiscard]] qint32 indexOf(const Controller *controller) const;

private:
    friend class Workspace;
    std::vector<std::shared_ptr<Controller>> m_controllers;
};

class Workspace
{
public:
    std::shared_ptr<Controller> AddController(const QString &name, const QString &programmaticId,
                                              const QString &machineName, const QString &options);
    [[nodiscard]] ControllerCollection &Controllers() { return m_controllers; }

private:
    ControllerCollection m_controllers;
};

class WorkspaceCollection
{
public:
    WorkspaceCollection();
    [[nodiscard]] std::shared_ptr<Workspace> Item(qint16 index) const;
    [[nodiscard]] qint32 Count() const { return static_cast<qint32>(m_workspaces.size()); }

private:
    std::vector<std::shared_ptr<Workspace>> m_workspaces;
};

class Engine
{
public:
    Engine();
    [[nodiscard]] WorkspaceCollection &Workspaces();

private:
    WorkspaceCollection m_workspaces;
};

} // namespace cao
