#pragma once
// `log`: the console's event log for a script (docs/scripting.md): its lines, a mark, and waiting for a line.
#include "script/scripthost.h"

#include <QJSValue>
#include <QObject>
#include <memory>

class QAbstractItemView;

namespace script {
class ScriptContext;
}

namespace consolescript {

class LogWatcher;
struct LinePattern;

class LogObject : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QJSValue count READ count)
public:
    LogObject(script::ScriptContext &context, LogWatcher &watcher);

    [[nodiscard]] QJSValue count();
    Q_INVOKABLE QJSValue lines(const QJSValue &from = QJSValue(), const QJSValue &to = QJSValue());
    Q_INVOKABLE QJSValue mark();
    Q_INVOKABLE QJSValue expect(const QJSValue &pattern, const QJSValue &timeoutMs = QJSValue(), const QJSValue &from = QJSValue());
    Q_INVOKABLE void expectNone(const QJSValue &pattern, const QJSValue &milliseconds = QJSValue(), const QJSValue &from = QJSValue());
    Q_INVOKABLE void onLine(const QJSValue &handler);

private:
    // The first matching line at or after `from` within ms, or nothing. Throws Stopped.
    std::optional<QString> waitForLine(const LinePattern &pattern, const QJSValue &from, int ms);
    bool patternFrom(const QJSValue &value, LinePattern &pattern);
    QString lastLines();

    script::ScriptContext &m_context;
    LogWatcher &m_watcher;
    qsizetype m_mark = 0;
    QList<QJSValue> m_lineHandlers;
    int m_markClears = 0; // how often the log had been cleared when the mark was taken
};

// The log is the list view of that name in the console.
class LogHost : public script::ScriptHost
{
public:
    // In the user-interface thread.
    LogHost(QAbstractItemView &view);
    ~LogHost() override;
    void install(script::ScriptContext &context) override;
    void uninstall() override;

private:
    std::unique_ptr<LogWatcher> m_watcher;
    std::unique_ptr<LogObject> m_object;
};

} // namespace consolescript
