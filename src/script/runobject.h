#pragma once
// What every script sees: test(), check(), fail(), sleep(), print(), env(), now().
#include <QJSValue>
#include <QObject>

namespace script {

class ScriptContext;

// Milliseconds on the monotonic clock every process of the machine shares, to a microsecond: what now() gives.
[[nodiscard]] double monotonicMs();

class RunObject : public QObject
{
    Q_OBJECT
public:
    explicit RunObject(ScriptContext &context);
    // Makes the functions global.
    void install();

    Q_INVOKABLE void test(const QJSValue &name, const QJSValue &function);
    Q_INVOKABLE void check(const QJSValue &condition, const QJSValue &message = QJSValue());
    Q_INVOKABLE void fail(const QJSValue &message = QJSValue());
    Q_INVOKABLE void sleep(const QJSValue &milliseconds);
    Q_INVOKABLE void printLine(const QString &line);
    Q_INVOKABLE QJSValue env(const QString &name, const QJSValue &fallback = QJSValue());
    Q_INVOKABLE double now() const;
private:
    ScriptContext &m_context;
};

} // namespace script
