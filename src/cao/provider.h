#pragma once
// The plug-in side of the engine: a provider opens one session per controller and raises messages through a sink.
#include "value.h"

#include <QString>
#include <functional>
#include <memory>

namespace cao {

// Receives the provider's messages for one controller; the engine queues them for the UI thread.
class MessageSink
{
public:
    using AnswerHandler = std::function<void(const Value &answer)>;
    virtual ~MessageSink() = default;
    virtual void raise(qint32 number, Value value, AnswerHandler onAnswer = {}) = 0;
};

// One controller's connection inside a provider. Every operation may throw cao::Failure.
class ProviderSession
{
public:
    virtual ~ProviderSession() = default;
    virtual void addVariable(const QString &name, const QString &option) = 0;
    virtual void writeVariable(const QString &name, const Value &value) = 0;
    [[nodiscard]] virtual Value readVariable(const QString &name) = 0;
    // May wait for the device; the engine keeps messages queued until it returns.
    virtual Value execute(const QString &command, const Value &parameter) = 0;
};

struct ControllerRequest
{
    QString name;
    QString machineName;
    QString options;
};

class Provider
{
public:
    virtual ~Provider() = default;
    // Opens a session or throws cao::Failure; the sink outlives the session.
    virtual std::unique_ptr<ProviderSession> open(const ControllerRequest &request, MessageSink &sink) = 0;
};

// Providers by programmatic id, shared by every engine of the process.
class ProviderRegistry
{
public:
    static void add(const QString &programmaticId, std::shared_ptr<Provider> provider);
    static void remove(const QString &programmaticId);
    [[nodiscard]] static std::shared_ptr<Provider> find(const QString &programmaticId);
};

// Registers a provider for as long as the object lives (tests use it for their recording providers).
class ScopedProviderRegistration
{
public:
    ScopedProviderRegistration(QString programmaticId, std::shared_ptr<Provider> provider);
    ~ScopedProviderRegistration();
    ScopedProviderRegistration(const ScopedProviderRegistration &) = delete;
    ScopedProviderRegistration &operator=(const ScopedProviderRegistration &) = delete;

private:
    QString m_programmaticId;
};

} // namespace cao
