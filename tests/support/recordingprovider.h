#pragma once
// A provider for tests: records every call the console makes and answers as the test scripts it.
#include "cao/engine.h"
#include "cao/provider.h"

#include <QList>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

namespace testing {

struct RecordedCall
{
    QString operation; // "open", "addVariable", "writeVariable", "readVariable", "execute"
    QString name;      // controller, variable or command name
    QString text;      // options of open, option of addVariable
    cao::Value value;  // the value written or the parameter executed
};

class RecordingProvider : public cao::Provider
{
public:
    std::unique_ptr<cao::ProviderSession> open(const cao::ControllerRequest &request, cao::MessageSink &sink) override;

    // Everything received, in order, across all sessions.
    QList<RecordedCall> calls;
    [[nodiscard]] QList<RecordedCall> callsOf(const QString &operation) const;

    // Scripting: a failure for the next opens, for adding one variable name, or for every Execute.
    std::optional<cao::Failure> openFailure;
    QString failAddVariable;
    std::optional<cao::Failure> executeFailure;
    std::function<cao::Value(const QString &command, const cao::Value &parameter)> executeResult;
    // Runs while a session opens, before the controller exists for its caller.
    std::function<void(cao::MessageSink &sink)> onOpen;

    // The sink of the newest session, so that a test can raise messages.
    cao::MessageSink *sink = nullptr;
    int sessionsOpen = 0;
    QList<cao::Value> answers;
};

// Registers a fresh recording provider under the console's provider id for one test.
class RecordingProviderScope
{
public:
    explicit RecordingProviderScope(const QString &programmaticId = QStringLiteral("CaoProv.KAVRO.Tavlox"));
    [[nodiscard]] RecordingProvider &operator*() const { return *m_provider; }
    [[nodiscard]] RecordingProvider *operator->() const { return m_provider.get(); }

private:
    std::shared_ptr<RecordingProvider> m_provider;
    cao::ScopedProviderRegistration m_registration;
};

} // namespace testing
