#include "windowobject.h"

#include "consolescript/controls.h"
#include "script/scriptcontext.h"
#include "script/uiagent.h"

namespace consolescript {

WindowObject::WindowObject(script::ScriptContext &context, QWidget &console, std::function<void()> settle)
    : m_context(context), m_console(&console), m_settle(std::move(settle))
{
}

QJSValue WindowObject::read(const std::function<QVariant(QWidget &window)> &reading)
{
    return m_context.answer([&]() -> QJSValue {
        const QVariant value = m_context.onUi(
            [console = m_console, reading]() -> QVariant {
                if (!console)
                    throw script::ActionFailed{QStringLiteral("the console's window is gone")};
                return reading(widgets::inputWindow(*console));
            },
            false);
        return m_context.engine().toScriptValue(value);
    });
}

QJSValue WindowObject::act(const QString &name, const std::function<QVariant(QWidget &control)> &action)
{
    return actOnWindow([name, action](QWidget &window) { return action(widgets::find(window, name)); });
}

QJSValue WindowObject::actOnWindow(const std::function<QVariant(QWidget &window)> &action)
{
    return m_context.answer([&]() -> QJSValue {
        // A press returns when its handler has; a handler that goes on turning the event loop (the "Infinite"
        // repetition, a modal dialog) lets the script go on as soon as it does, as an operator's hand is free then.
        const QVariant value = m_context.onUi(
            [console = m_console, action, &ui = m_context.ui(), settle = m_settle](const script::UiReply &reply) {
                if (!console)
                    throw script::ActionFailed{QStringLiteral("the console's window is gone")};
                QWidget &window = widgets::inputWindow(*console);
                ui.run([reply] { reply.done(); }, true);
                const QVariant value = action(window);
                // The lines a press causes are in the log before the script's next call, whatever the timing.
                if (settle)
                    settle();
                reply.done(value);
            });
        return m_context.engine().toScriptValue(value);
    });
}

void WindowObject::set(const QString &name, const QJSValue &text)
{
    const QString value = text.toString();
    act(name, [name, value](QWidget &control) {
        widgets::setText(control, name, value);
        return QVariant();
    });
}

void WindowObject::press(const QString &name)
{
    act(name, [name](QWidget &control) {
        widgets::press(control, name);
        return QVariant();
    });
}

void WindowObject::check(const QString &name, const QJSValue &on)
{
    const bool wanted = on.isUndefined() || on.toBool();
    act(name, [name, wanted](QWidget &control) {
        widgets::check(control, name, wanted);
        return QVariant();
    });
}

void WindowObject::choose(const QString &name, const QString &item)
{
    act(name, [name, item](QWidget &control) {
        widgets::choose(control, name, item);
        return QVariant();
    });
}

void WindowObject::tab(const QString &caption)
{
    actOnWindow([caption](QWidget &window) {
        widgets::selectTab(window, caption);
        return QVariant();
    });
}

QJSValue WindowObject::text(const QString &name)
{
    return read([name](QWidget &window) { return QVariant(widgets::text(widgets::find(window, name), name)); });
}

QJSValue WindowObject::enabled(const QString &name)
{
    return read([name](QWidget &window) { return QVariant(widgets::find(window, name).isEnabled()); });
}

QJSValue WindowObject::checked(const QString &name)
{
    return read([name](QWidget &window) { return QVariant(widgets::isChecked(widgets::find(window, name), name)); });
}

QJSValue WindowObject::shown(const QString &name)
{
    return read([name](QWidget &window) { return QVariant(widgets::find(window, name).isVisible()); });
}

QJSValue WindowObject::title()
{
    return read([](QWidget &window) { return QVariant(window.windowTitle()); });
}

QJSValue WindowObject::controls()
{
    return read([](QWidget &window) { return QVariant(widgets::describe(window)); });
}

void WindowHost::install(script::ScriptContext &context)
{
    if (!m_console)
        return;
    m_object = std::make_unique<WindowObject>(context, *m_console, m_settle);
    QJSEngine::setObjectOwnership(m_object.get(), QJSEngine::CppOwnership);
    context.engine().globalObject().setProperty(QStringLiteral("window"), context.engine().newQObject(m_object.get()));
}

} // namespace consolescript
