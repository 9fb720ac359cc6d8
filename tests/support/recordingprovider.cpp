#include "recordingprovider.h"

namespace testing {

namespace {
class RecordingSession : public cao::ProviderSession
{
public:
    RecordingSession(RecordingProvider &provider, cao::MessageSink &sink) : m_provider(provider), m_sink(sink)
    {
        ++m_provider.sessionsOpen;
        m_provider.sink = &m_sink;
    }
    ~RecordingSession() override
    {
        --m_provider.sessionsOpen;
        if (m_provider.sink == &m_sink)
            m_provider.sink = nullptr;
    }

    void addVariable(const QString &name, const QString &option) override
    {
        m_provider.calls.append({QStringLiteral("addVariable"), name, option, {}});
        if (!m_provider.failAddVariable.isEmpty() && name == m_provider.failAddVariable)
            throw cao::Failure(0x80070057, QStringLiteral("scripted: refused variable %1").arg(name));
    }
    void writeVariable(const QString &name, const cao::Value &value) override
    {
        m_provider.calls.append({QStringLiteral("writeVariable"), name, {}, value});
    }
    cao::Value readVariable(const QString &name) override
    {
        m_provider.calls.append({QStringLiteral("readVariable"), name, {}, {}});
        return {};
    }
    cao::Value execute(const QString &command, const cao::Value &parameter) override
    {
        m_provider.calls.append({QStringLiteral("execute"), command, {}, parameter});
        if (m_provider.executeFailure)
            throw *m_provider.executeFailure;
        return m_provider.executeResult ? m_provider.executeResult(command, parameter) : cao::Value();
    }

private:
    RecordingProvider &m_provider;
    cao::MessageSink &m_sink;
};
} // namespace

std::unique_ptr<cao::ProviderSession> RecordingProvider::open(const cao::ControllerRequest &request,
                                                              cao::MessageSink &sink)
{
    calls.append({QStringLiteral("open"), request.name, request.options, cao::Value::text(request.machineName)});
    if (openFailure)
        throw *openFailure;
    auto session = std::make_unique<RecordingSession>(*this, sink);
    if (onOpen)
        onOpen(sink);
    return session;
}

QList<RecordedCall> RecordingProvider::callsOf(const QString &operation) const
{
    QList<RecordedCall> matching;
    for (const RecordedCall &call : calls) {
        if (call.operation == operation)
            matching << call;
    }
    return matching;
}

RecordingProviderScope::RecordingProviderScope(const QString &programmaticId)
    : m_provider(std::make_shared<RecordingProvider>()), m_registration(programmaticId, m_provider)
{
}

} // namespace testing
