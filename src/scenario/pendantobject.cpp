#include "pendantobject.h"

#include "scenario/pendanthost.h"

#include "pendant/pendantkeys.h"
#include "script/results.h"
#include "script/scriptcontext.h"
#include "script/uiagent.h"

#include <QColor>
#include <QImage>
#include <QPointer>

namespace scenario {

using script::ActionFailed;
using script::Stopped;
using protocol::Request;

namespace {
constexpr int DefaultPressMs = 100;
constexpr int DefaultExpectMs = 5000;

bool isKindName(const QString &kind)
{
    return kind == QLatin1String("*") || std::any_of(protocol::RequestKindNames.begin(), protocol::RequestKindNames.end(),
                                                     [&kind](const char *name) { return kind == QLatin1String(name); });
}

QString kinds()
{
    QStringList names;
    for (const char *name : protocol::RequestKindNames)
        names << QStringLiteral("\"%1\"").arg(QLatin1String(name));
    return names.join(QStringLiteral(", ")) + QStringLiteral(" or \"*\"");
}
} // namespace

PendantObject::PendantObject(script::ScriptContext &context, PendantHost &host) : m_context(context), m_host(host) {}

// Input is handed over and not waited for, so that a scenario plays it as fast as the device takes it; the
// user-interface thread carries it out in the order it was given, as a person's clicks are taken.
void PendantObject::onDevice(const std::function<void(pendant::PendantDevice &device)> &action)
{
    if (m_context.stopping())
        throw Stopped{};
    m_context.ui().run(
        [device = QPointer<pendant::PendantDevice>(m_host.device()), action] {
            if (device)
                action(*device);
        },
        true);
}

QJSValue PendantObject::readDevice(const std::function<QVariant(pendant::PendantDevice &device)> &reading)
{
    return m_context.answer([&]() -> QJSValue {
        const QVariant value = m_context.onUi(
            [host = &m_host, reading]() -> QVariant {
                pendant::PendantDevice *device = host->device();
                if (!device)
                    throw ActionFailed{QStringLiteral("the pendant is gone")};
                return reading(*device);
            },
            false);
        return m_context.engine().toScriptValue(value);
    });
}

int PendantObject::keyFrom(const QVariant &key)
{
    const int number = pendant::keyNamed(key.toString());
    if (number < 0)
        m_context.engine().throwError(QStringLiteral("no key \"%1\" on the pendant: a caption as the window shows it (\"F1\", "
                                                     "\"J1 +\", \"miniTP Stop\") or a number 0-127")
                                          .arg(key.toString()));
    return number;
}

int PendantObject::holdFor(const QJSValue &ms, int fallback)
{
    return ms.isNumber() ? static_cast<int>(std::clamp(ms.toNumber(), 0.0, 2147483647.0)) : fallback;
}

void PendantObject::pause(const QJSValue &ms, int fallback)
{
    m_context.wait(holdFor(ms, fallback));
}

// Every call below: an error in the arguments or on the device becomes the script's error; a stop ends it.
#define SCENARIO_CALL(body)                                                                                            \
    (void)m_context.answer([&]() -> QJSValue {                                                                         \
        body;                                                                                                          \
        return {};                                                                                                     \
    });

void PendantObject::press(const QVariant &key, const QJSValue &ms)
{
    // One key, or several pressed one after the other, each held as long.
    QList<int> numbers;
    // A script's array reaches here as a QJSValue inside the QVariant.
    const QJSValue asScript = key.value<QJSValue>();
    const QVariantList keys = asScript.isArray() ? asScript.toVariant().toList()
                              : key.typeId() == QMetaType::QVariantList ? key.toList()
                                                                         : QVariantList{key};
    for (const QVariant &each : keys) {
        numbers << keyFrom(each);
        if (numbers.last() < 0)
            return;
    }
    // Keys not held are pressed and released in one go, as from the device's own code: nothing could come between.
    if (holdFor(ms, DefaultPressMs) == 0) {
        SCENARIO_CALL(onDevice([numbers](pendant::PendantDevice &device) {
            for (int number : numbers) {
                device.pressKey(number);
                device.releaseKey(number);
            }
        }))
        return;
    }
    SCENARIO_CALL(for (int number : numbers) {
        onDevice([number](pendant::PendantDevice &device) { device.pressKey(number); });
        pause(ms, DefaultPressMs);
        onDevice([number](pendant::PendantDevice &device) { device.releaseKey(number); });
    })
}

void PendantObject::keyDown(const QVariant &key)
{
    const int number = keyFrom(key);
    if (number >= 0)
        SCENARIO_CALL(onDevice([number](pendant::PendantDevice &device) { device.pressKey(number); }))
}

void PendantObject::keyUp(const QVariant &key)
{
    const int number = keyFrom(key);
    if (number >= 0)
        SCENARIO_CALL(onDevice([number](pendant::PendantDevice &device) { device.releaseKey(number); }))
}

void PendantObject::touch(const QJSValue &x, const QJSValue &y, const QJSValue &ms)
{
    const int atX = x.toInt(), atY = y.toInt();
    SCENARIO_CALL({
        onDevice([atX, atY](pendant::PendantDevice &device) { device.touchDown(atX, atY); });
        pause(ms, DefaultPressMs);
        onDevice([atX, atY](pendant::PendantDevice &device) { device.touchUp(atX, atY); });
    })
}

void PendantObject::touchDown(const QJSValue &x, const QJSValue &y)
{
    SCENARIO_CALL(onDevice([atX = x.toInt(), atY = y.toInt()](pendant::PendantDevice &device) { device.touchDown(atX, atY); });)
}

void PendantObject::touchMove(const QJSValue &x, const QJSValue &y)
{
    SCENARIO_CALL(onDevice([atX = x.toInt(), atY = y.toInt()](pendant::PendantDevice &device) { device.touchMove(atX, atY); });)
}

void PendantObject::touchUp(const QJSValue &x, const QJSValue &y)
{
    SCENARIO_CALL(onDevice([atX = x.toInt(), atY = y.toInt()](pendant::PendantDevice &device) { device.touchUp(atX, atY); });)
}

void PendantObject::drag(const QJSValue &points, const QJSValue &ms)
{
    const int count = points.property(QStringLiteral("length")).toInt();
    if (!points.isArray() || count < 2) {
        m_context.engine().throwError(QStringLiteral("drag takes two or more points, [[x, y], [x, y], …]"));
        return;
    }
    QList<QPoint> path;
    for (int k = 0; k < count; ++k)
        path << QPoint(points.property(quint32(k)).property(0).toInt(), points.property(quint32(k)).property(1).toInt());
    // Moves spread evenly over the time, as a hand moves; released where the last move went.
    const int total = holdFor(ms, DefaultPressMs * (count - 1));
    SCENARIO_CALL({
        onDevice([p = path.first()](pendant::PendantDevice &device) { device.touchDown(p.x(), p.y()); });
        for (int k = 1; k < count; ++k) {
            m_context.wait(total / (count - 1));
            onDevice([p = path[k]](pendant::PendantDevice &device) { device.touchMove(p.x(), p.y()); });
        }
        onDevice([p = path.last()](pendant::PendantDevice &device) { device.touchUp(p.x(), p.y()); });
    })
}

void PendantObject::lcdText(const QString &text)
{
    SCENARIO_CALL(onDevice([text](pendant::PendantDevice &device) { device.sendLcdText(text); }))
}

void PendantObject::silent(const QJSValue &ms)
{
    SCENARIO_CALL({
        onDevice([](pendant::PendantDevice &device) { device.setConnected(false); });
        try {
            pause(ms, 0);
        } catch (const Stopped &) {
            m_context.finishing(); // stopped or not, the pendant talks again
            onDevice([](pendant::PendantDevice &device) { device.setConnected(true); });
            throw;
        }
        onDevice([](pendant::PendantDevice &device) { device.setConnected(true); });
    })
}

void PendantObject::on(const QString &kind, const QJSValue &handler)
{
    if (!isKindName(kind)) {
        m_context.engine().throwError(QStringLiteral("on(\"%1\"): the kind is %2").arg(kind, kinds()));
        return;
    }
    if (handler.isUndefined() || handler.isNull())
        m_handlers.remove(kind);
    else if (!handler.isCallable()) {
        m_context.engine().throwError(QStringLiteral("on(\"%1\", …) takes a function of the request").arg(kind));
        return;
    } else
        m_handlers.insert(kind, handler);
    m_host.setDecided(m_handlers.keys());
}

QJSValue PendantObject::requestValue(const Request &request, double at)
{
    QJSEngine &engine = m_context.engine();
    QJSValue value = engine.newObject();
    value.setProperty(QStringLiteral("kind"), QLatin1String(protocol::nameOf(request.kind)));
    QJSValue numbers = engine.newArray(quint32(request.numbers.size()));
    for (qsizetype k = 0; k < request.numbers.size(); ++k)
        numbers.setProperty(quint32(k), request.numbers[k]);
    value.setProperty(QStringLiteral("numbers"), numbers);
    QJSValue items = engine.newArray(quint32(request.drawing.size()));
    for (qsizetype k = 0; k < request.drawing.size(); ++k) {
        QJSValue item = engine.newArray(2);
        item.setProperty(0, request.drawing[k].code);
        item.setProperty(1, engine.toScriptValue(request.drawing[k].parameters));
        items.setProperty(quint32(k), item);
    }
    value.setProperty(QStringLiteral("items"), items);
    value.setProperty(QStringLiteral("at"), at);
    return value;
}

void PendantObject::heard(const Request &request, double at)
{
    m_heard.emplace_back(request, at);
}

pendant::Verdict PendantObject::decide(const Request &request, double at)
{
    QString kind = QLatin1String(protocol::nameOf(request.kind));
    if (!m_handlers.contains(kind))
        kind = QStringLiteral("*");
    const QJSValue handler = m_handlers.value(kind);
    if (!handler.isCallable())
        return {};
    const QString what = QStringLiteral("the on(\"%1\") handler").arg(kind);
    const QJSValue answer = m_context.callHandler(handler, {requestValue(request, at)}, what);
    if (answer.isError() || answer.isUndefined() || answer.isNull())
        return {};
    const int delayMs = answer.hasProperty(QStringLiteral("delayMs")) ? answer.property(QStringLiteral("delayMs")).toInt() : 0;
    if (answer.hasProperty(QStringLiteral("refuse")))
        return {pendant::Verdict::Refuse, answer.property(QStringLiteral("refuse")).toString(), delayMs};
    if (answer.property(QStringLiteral("ignore")).toBool())
        return {pendant::Verdict::Ignore, {}, 0};
    std::optional<QList<int>> numbers;
    if (const QJSValue given = answer.property(QStringLiteral("numbers")); given.isArray()) {
        numbers.emplace();
        for (quint32 k = 0, count = given.property(QStringLiteral("length")).toUInt(); k < count; ++k)
            *numbers << given.property(k).toInt();
    }
    if (answer.hasProperty(QStringLiteral("delayMs")))
        return {pendant::Verdict::Delay, {}, delayMs, numbers};
    if (numbers)
        return {pendant::Verdict::Answer, {}, 0, numbers};
    m_context.results().fail(QStringLiteral("%1 returned %2; it returns nothing, {refuse: text}, {delayMs: n}, {numbers: [...]} or "
                                            "{ignore: true}")
                                 .arg(what, answer.toString()),
                             {});
    return {};
}

QJSValue PendantObject::expectRequest(const QString &kind, const QJSValue &timeoutMs)
{
    if (!isKindName(kind)) {
        m_context.engine().throwError(QStringLiteral("expectRequest(\"%1\"): the kind is %2").arg(kind, kinds()));
        return {};
    }
    const int ms = holdFor(timeoutMs, DefaultExpectMs);
    qsizetype found = -1;
    const auto matches = [&] {
        for (qsizetype k = m_expectFrom; k < m_heard.size(); ++k)
            if (kind == QLatin1String("*") || kind == QLatin1String(protocol::nameOf(m_heard[k].first.kind))) {
                found = k;
                return true;
            }
        return false;
    };
    return m_context.answer([&]() -> QJSValue {
        if (m_context.wait(ms, matches) && found >= 0) {
            m_expectFrom = found + 1;
            return requestValue(m_heard[found].first, m_heard[found].second);
        }
        throw ActionFailed{QStringLiteral("pendant.expectRequest(\"%1\"): none came within %2 ms").arg(kind).arg(ms), {}, true};
    });
}

QJSValue PendantObject::led(const QJSValue &number)
{
    const int n = number.toInt();
    if (n < 1 || n > protocol::LedCount) {
        m_context.engine().throwError(QStringLiteral("led(%1): the LEDs are 1 to %2").arg(number.toString()).arg(protocol::LedCount));
        return {};
    }
    return readDevice([n](pendant::PendantDevice &device) { return QVariant(int(device.led(n))); });
}

QJSValue PendantObject::backlight()
{
    return readDevice([](pendant::PendantDevice &device) { return QVariant(device.backlight()); });
}

QJSValue PendantObject::beeps()
{
    return readDevice([host = &m_host](pendant::PendantDevice &) {
        QVariantList list;
        for (int ms : host->beeps())
            list << ms;
        return QVariant(list);
    });
}

QJSValue PendantObject::keyState()
{
    return readDevice([](pendant::PendantDevice &device) {
        QVariantList words;
        for (quint16 word : device.keyState())
            words << int(word);
        return QVariant(words);
    });
}

QJSValue PendantObject::lcdPixel(const QJSValue &x, const QJSValue &y)
{
    const int atX = x.toInt(), atY = y.toInt();
    if (atX < 0 || atX >= protocol::LcdWidth || atY < 0 || atY >= protocol::LcdHeight) {
        m_context.engine().throwError(QStringLiteral("lcdPixel(%1, %2): the LCD is %3 × %4")
                                          .arg(x.toString(), y.toString())
                                          .arg(protocol::LcdWidth)
                                          .arg(protocol::LcdHeight));
        return {};
    }
    return readDevice([atX, atY](pendant::PendantDevice &device) { return QVariant(QColor(device.lcd().pixel(atX, atY)).name()); });
}

void PendantObject::saveLcd(const QString &file)
{
    readDevice([file](pendant::PendantDevice &device) {
        if (!device.lcd().save(file, "PNG"))
            throw ActionFailed{QStringLiteral("cannot save the LCD to %1").arg(file)};
        return QVariant();
    });
}

} // namespace scenario
