#include "logobject.h"

#include "consolescript/logwatcher.h"
#include "script/scriptcontext.h"

#include <QScopeGuard>

namespace consolescript {

namespace {
constexpr int DefaultExpectMs = 5000;
constexpr int LinesShownOnFailure = 8;

int millisecondsFrom(const QJSValue &value, int fallback)
{
    return value.isNumber() ? static_cast<int>(std::clamp(value.toNumber(), 0.0, 2147483647.0)) : fallback;
}
} // namespace

LogObject::LogObject(script::ScriptContext &context, LogWatcher &watcher) : m_context(context), m_watcher(watcher) {}

QJSValue LogObject::count()
{
    return m_context.answer([&]() -> QJSValue {
        return QJSValue(double(m_context.onUi([this] { return QVariant(m_watcher.count()); }, false).toLongLong()));
    });
}

QJSValue LogObject::lines(const QJSValue &from, const QJSValue &to)
{
    const qsizetype first = from.isNumber() ? qsizetype(from.toNumber()) : 0;
    const qsizetype last = to.isNumber() ? qsizetype(to.toNumber()) : std::numeric_limits<qsizetype>::max();
    return m_context.answer([&]() -> QJSValue {
        return m_context.engine().toScriptValue(m_context.onUi([this, first, last] { return QVariant(m_watcher.lines(first, last)); }, false));
    });
}

QJSValue LogObject::mark()
{
    return m_context.answer([&]() -> QJSValue {
        const QVariantList now = m_context.onUi([this] { return QVariant(QVariantList{m_watcher.count(), m_watcher.clears()}); }, false).toList();
        m_mark = now.value(0).toLongLong();
        m_markClears = now.value(1).toInt();
        return QJSValue(double(m_mark));
    });
}

bool LogObject::patternFrom(const QJSValue &value, LinePattern &pattern)
{
    if (value.isRegExp()) {
        pattern.part = value.toVariant().toRegularExpression();
        return true;
    }
    if (value.isString()) {
        pattern.whole = value.toString();
        return true;
    }
    m_context.engine().throwError(QStringLiteral("a log pattern is a text (a whole line) or a RegExp (a part of one), not %1")
                                      .arg(value.toString()));
    return false;
}

QString LogObject::lastLines()
{
    const QStringList last = m_context
                                 .onUi(
                                     [this] {
                                         const qsizetype end = m_watcher.count();
                                         return QVariant(m_watcher.lines(end - LinesShownOnFailure, end));
                                     },
                                     false)
                                 .toStringList();
    return last.isEmpty() ? QStringLiteral("the log is empty") : QStringLiteral("the last lines:\n  ") + last.join(QStringLiteral("\n  "));
}

std::optional<QString> LogObject::waitForLine(const LinePattern &pattern, const QJSValue &from, int ms)
{
    auto found = std::make_shared<std::optional<QString>>();
    const bool fromMark = !from.isNumber();
    const qsizetype first = fromMark ? m_mark : qsizetype(from.toNumber());
    const int id = m_context
                       .onUi(
                           [this, pattern, first, fromMark, markClears = m_markClears, found, post = m_context.poster()] {
                               // A mark taken before "Clear" names a line that is gone: waits start at the first line.
                               const qsizetype start = fromMark && markClears != m_watcher.clears() ? 0 : first;
                               return QVariant(m_watcher.watch(pattern, start, [found, post](const QString &line) {
                                   post([found, line] { *found = line; });
                               }));
                           },
                           false)
                       .toInt();
    const auto forget = qScopeGuard([this, id] {
        try {
            if (!m_context.stopping())
                m_context.onUi([this, id] { m_watcher.unwatch(id); return QVariant(); }, false);
        } catch (const script::Stopped &) {
        } catch (const script::ActionFailed &) {
        }
    });
    m_context.wait(ms, [&found] { return found->has_value(); });
    return *found;
}

QJSValue LogObject::expect(const QJSValue &pattern, const QJSValue &timeoutMs, const QJSValue &from)
{
    LinePattern wanted;
    if (!patternFrom(pattern, wanted))
        return {};
    const int ms = millisecondsFrom(timeoutMs, DefaultExpectMs);
    return m_context.answer([&]() -> QJSValue {
        if (const std::optional<QString> line = waitForLine(wanted, from, ms))
            return QJSValue(*line);
        // The message stays one line; the log's last lines go to the report as its detail.
        throw script::ActionFailed{QStringLiteral("log.expect(%1): no line matched within %2 ms").arg(wanted.describe()).arg(ms), {},
                                   true, lastLines()};
    });
}

void LogObject::expectNone(const QJSValue &pattern, const QJSValue &milliseconds, const QJSValue &from)
{
    LinePattern unwanted;
    if (!patternFrom(pattern, unwanted))
        return;
    const int ms = millisecondsFrom(milliseconds, DefaultExpectMs);
    (void)m_context.answer([&]() -> QJSValue {
        if (const std::optional<QString> line = waitForLine(unwanted, from, ms))
            m_context.engine().throwError(QStringLiteral("log.expectNone(%1): the line \"%2\" came").arg(unwanted.describe(), *line));
        return {};
    });
}

void LogObject::onLine(const QJSValue &handler)
{
    if (!handler.isCallable()) {
        m_context.engine().throwError(QJSValue::TypeError, QStringLiteral("onLine takes a function (line)"));
        return;
    }
    m_lineHandlers << handler;
    if (m_lineHandlers.size() > 1)
        return;
    // Each line that enters the log is handed to the script's handlers while the script waits.
    (void)m_context.answer([&]() -> QJSValue {
        m_context.onUi(
            [this, post = m_context.poster()] {
                m_watcher.follow([this, post](const QString &line) {
                    post([this, line] {
                        for (const QJSValue &each : std::as_const(m_lineHandlers))
                            m_context.callHandler(each, {QJSValue(line)}, QStringLiteral("the onLine handler"));
                    });
                });
                return QVariant();
            },
            false);
        return {};
    });
}

LogHost::LogHost(QAbstractItemView &view) : m_watcher(std::make_unique<LogWatcher>(view)) {}

LogHost::~LogHost() = default;

void LogHost::install(script::ScriptContext &context)
{
    m_object = std::make_unique<LogObject>(context, *m_watcher);
    QJSEngine::setObjectOwnership(m_object.get(), QJSEngine::CppOwnership);
    context.engine().globalObject().setProperty(QStringLiteral("log"), context.engine().newQObject(m_object.get()));
    LogWatcher *watcher = m_watcher.get();
    context.logCount = [&context, watcher] { return context.onUi([watcher] { return QVariant(watcher->count()); }, false).toLongLong(); };
    context.logLinesFrom = [&context, watcher](qsizetype from) {
        return context.onUi([watcher, from] { return QVariant(watcher->lines(from, watcher->count())); }, false).toStringList();
    };
}

void LogHost::uninstall()
{
    m_object.reset();
}

} // namespace consolescript
