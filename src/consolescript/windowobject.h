#pragma once
// `window`: the console's controls for a script (docs/scripting.md). Each call acts through the real widgets in the
// user-interface thread; the window that takes input is the console, or the modal dialog that is up.
#include "script/scripthost.h"

#include <QJSValue>
#include <QObject>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <memory>

namespace script {
class ScriptContext;
}

namespace consolescript {


class WindowObject : public QObject
{
    Q_OBJECT
public:
    // settle: delivers what the handler of an action left pending (the provider messages raised during its calls).
    WindowObject(script::ScriptContext &context, QWidget &console, std::function<void()> settle);

    Q_INVOKABLE void set(const QString &name, const QJSValue &text);
    Q_INVOKABLE void press(const QString &name);
    Q_INVOKABLE void check(const QString &name, const QJSValue &on = QJSValue());
    Q_INVOKABLE void choose(const QString &name, const QString &item);
    Q_INVOKABLE void tab(const QString &caption);
    Q_INVOKABLE QJSValue text(const QString &name);
    Q_INVOKABLE QJSValue enabled(const QString &name);
    Q_INVOKABLE QJSValue checked(const QString &name);
    Q_INVOKABLE QJSValue shown(const QString &name);
    Q_INVOKABLE QJSValue title();
    Q_INVOKABLE QJSValue controls();

private:
    // Runs the action on the control the name finds (or on the window that takes input), as an operator's input;
    // a failure becomes the script's error.
    QJSValue act(const QString &name, const std::function<QVariant(QWidget &control)> &action);
    QJSValue actOnWindow(const std::function<QVariant(QWidget &window)> &action);
    QJSValue read(const std::function<QVariant(QWidget &window)> &reading);

    script::ScriptContext &m_context;
    QPointer<QWidget> m_console;
    std::function<void()> m_settle;
};

class WindowHost : public script::ScriptHost
{
public:
    WindowHost(QWidget &console, std::function<void()> settle) : m_console(&console), m_settle(std::move(settle)) {}
    void install(script::ScriptContext &context) override;
    void uninstall() override { m_object.reset(); }

private:
    QPointer<QWidget> m_console;
    std::function<void()> m_settle;
    std::unique_ptr<WindowObject> m_object;
};

} // namespace consolescript
