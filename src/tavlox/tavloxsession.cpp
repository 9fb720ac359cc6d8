#include "tavloxsession.h"

#include "cao/failure.h"
#include "cao/status.h"
#include "protocol/drawingrules.h"

#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QRandomGenerator>
#include <QScopeGuard>

Q_LOGGING_CATEGORY(lcTavlox, "zandorex.tavlox", QtInfoMsg)

namespace tavlox {

namespace {
constexpr quint32 AccessDenied = 0x80070005;   // E_ACCESSDENIED
constexpr quint32 UnknownName = 0x80020006;    // DISP_E_UNKNOWNNAME
constexpr int MaxBeepMs = 60000;

enum MessageNumber : qint32 {
    CheckWired = 0,
    KeyDown = 1,
    KeyUp = 2,
    KeyPress = 3,
    BeepEcho = 256,
    LedEcho = 257,
    LcdEcho = 258,
    DrawEcho = 259,
    BacklightEcho = 260,
};

struct VariableRule
{
    const char *name;
    cao::Value initial;
    int maximum; // for the integer variables
};

const QList<VariableRule> &variableRules()
{
    static const QList<VariableRule> rules = {
        {"@Enabled", cao::Value::boolean(true), 0},
        {"@DblClickSpeed", cao::Value::i4(500), 60000},
        {"@PressHoldTime", cao::Value::i4(1000), 60000},
        {"@DeadRangeX1", cao::Value::i4(4), LcdWidth},
        {"@DeadRangeY1", cao::Value::i4(4), LcdHeight},
        {"@DeadRangeX2", cao::Value::i4(4), LcdWidth},
        {"@DeadRangeY2", cao::Value::i4(4), LcdHeight},
    };
    return rules;
}

[[noreturn]] void badArgument(const QString &what)
{
    throw cao::Failure(cao::status::InvalidArgument, what);
}

// A number the console passes as text (or an integer), checked against its range.
int numberFrom(const cao::Value &value, const QString &what, int minimum, int maximum)
{
    int number = 0;
    if (value.vt() == cao::VT_BSTR) {
        bool ok = false;
        number = value.toText().trimmed().toInt(&ok);
        if (!ok)
            badArgument(QStringLiteral("%1: \"%2\" is not a number").arg(what, value.toText()));
    } else if (value.vt() == cao::VT_I2 || value.vt() == cao::VT_I4) {
        number = value.toInt();
    } else {
        badArgument(QStringLiteral("%1: expected a number or its text, got %2").arg(what, value.describe()));
    }
    if (number < minimum || number > maximum)
        badArgument(QStringLiteral("%1: %2 is outside %3 to %4").arg(what).arg(number).arg(minimum).arg(maximum));
    return number;
}

// The drawing as the pendant carried it out: a string shows its five values, a line or rectangle its four
// coordinates, every other command its one parameter (as a single value, not an array).
cao::Value drawingEcho(const QList<DrawingItem> &drawing)
{
    cao::Value::Array items;
    for (const DrawingItem &item : drawing) {
        const int shown = item.code == DrawString ? 5 : (item.code == DrawLine || item.code == DrawRectangle) ? 4 : 1;
        cao::Value::Array values;
        for (int k = 0; k < shown; ++k)
            values << cao::Value::text(item.parameters.value(k));
        items << cao::Value::array({cao::Value::i4(item.code), shown == 1 ? values.first() : cao::Value::array(values)});
    }
    return cao::Value::array(items);
}

const cao::Value::Array &arrayOf(const cao::Value &value, qsizetype size, const QString &what)
{
    if (!value.isArray() || value.size() != size)
        badArgument(QStringLiteral("%1: expected an array of %2 values, got %3").arg(what).arg(size).arg(value.describe()));
    return value.elements();
}
} // namespace

TavloxSession::TavloxSession(ConnectionOptions options, std::unique_ptr<PendantLink> link, cao::MessageSink &sink,
                             InputInjector *injector)
    : m_options(std::move(options)), m_link(std::move(link)), m_sink(sink), m_injector(injector)
{
    if (m_options.keyboardMode == 1)
        m_keyMap = keymap::KeyMap::defaults();
    else if (m_options.keyboardMode == 2) {
        keymap::LoadProblem problem = keymap::LoadProblem::None;
        m_keyMap = keymap::KeyMap::load(QString::fromLatin1(keymap::FileName), &problem);
        // A FIFO or device in its place is refused rather than read: reading one could wait for ever.
        if (problem == keymap::LoadProblem::NotRegularFile)
            throw cao::Failure(cao::status::InvalidArgument,
                               QStringLiteral("KeyboardMode=2: \"%1\" in %2 is not a regular file")
                                   .arg(QLatin1String(keymap::FileName), QDir::currentPath()));
    }
    for (const VariableRule &rule : variableRules())
        m_variables.insert(QString::fromLatin1(rule.name).toLower(), rule.initial);
    applyTouchSettings();
    m_clock.start();
    // Ids start anywhere, so that a late reply meant for an earlier connection on the same port matches nothing.
    m_nextRequestId = QRandomGenerator::global()->generate();

    connect(m_link.get(), &PendantLink::replied, this, [this](const Reply &reply) {
        if (reply.id != m_awaitedId)
            qCInfo(lcTavlox) << "dropped reply" << reply.id << "- no request of that id is waiting";
        onPendantHeard();
    });
    connect(m_link.get(), &PendantLink::inputOccurred, this, &TavloxSession::onInput);
    m_initTimer.setSingleShot(true);
    connect(&m_initTimer, &QTimer::timeout, this, [this] {
        raiseWiringCheck();
        m_silenceTimer.start(m_options.lessIntervalMs);
    });
    m_initTimer.start(m_options.initWaitMs);
    connect(&m_silenceTimer, &QTimer::timeout, this, &TavloxSession::raiseWiringCheck);
    m_holdTimer.setSingleShot(true);
    connect(&m_holdTimer, &QTimer::timeout, this, [this] {
        raisePanelEvents(m_gestures.advance(m_clock.elapsed()));
        scheduleHold();
    });
    qCInfo(lcTavlox).noquote() << "connected through" << m_link->describe();
}

TavloxSession::~TavloxSession()
{
    *m_alive = false;
}

void TavloxSession::onPendantHeard()
{
    if (m_silenceTimer.isActive())
        m_silenceTimer.start(m_options.lessIntervalMs);
}

void TavloxSession::raiseWiringCheck()
{
    const int number = ++m_wiringChecks;
    std::weak_ptr<bool> alive = m_alive;
    qCInfo(lcTavlox) << "CheckWired" << number << "raised";
    m_sink.raise(CheckWired, cao::Value::i4(number), [alive, number](const cao::Value &) {
        if (alive.expired() || !*alive.lock())
            return;
        qCInfo(lcTavlox) << "CheckWired" << number << "answered";
    });
}

void TavloxSession::applyTouchSettings()
{
    auto integer = [this](const char *name) { return m_variables.value(QString::fromLatin1(name).toLower()).toInt(); };
    m_gestures.settings.enabled = m_variables.value(QStringLiteral("@enabled")).toBool();
    m_gestures.settings.doubleClickMs = integer("@DblClickSpeed");
    m_gestures.settings.pressHoldMs = integer("@PressHoldTime");
    m_gestures.settings.deadLeft = integer("@DeadRangeX1");
    m_gestures.settings.deadUp = integer("@DeadRangeY1");
    m_gestures.settings.deadRight = integer("@DeadRangeX2");
    m_gestures.settings.deadDown = integer("@DeadRangeY2");
}

void TavloxSession::ensureAllowedInClientMode(const QString &what) const
{
    if (m_options.clientMode)
        throw cao::Failure(AccessDenied, QStringLiteral("%1 is not allowed in client mode (TPClient)").arg(what));
}

void TavloxSession::addVariable(const QString &name, const QString &)
{
    const QString key = name.toLower();
    if (!m_variables.contains(key))
        badArgument(QStringLiteral("Unknown variable \"%1\"; this provider has @Enabled, @DblClickSpeed, "
                                   "@PressHoldTime and @DeadRangeX1, Y1, X2, Y2")
                        .arg(name));
    if (!m_added.contains(key))
        m_added << key;
}

void TavloxSession::writeVariable(const QString &name, const cao::Value &value)
{
    const QString key = name.toLower();
    if (!m_added.contains(key))
        badArgument(QStringLiteral("The variable \"%1\" was not added").arg(name));
    if (key == QLatin1String("@enabled")) {
        if (value.vt() != cao::VT_BOOL)
            throw cao::Failure(cao::status::TypeMismatch,
                               QStringLiteral("@Enabled takes a boolean, not %1").arg(value.describe()));
    } else {
        if (key == QLatin1String("@dblclickspeed") || key == QLatin1String("@pressholdtime"))
            ensureAllowedInClientMode(QStringLiteral("Writing %1").arg(name));
        if (value.vt() != cao::VT_I2 && value.vt() != cao::VT_I4)
            throw cao::Failure(cao::status::TypeMismatch,
                               QStringLiteral("%1 takes a 32-bit integer, not %2").arg(name, value.describe()));
        int maximum = 0;
        for (const VariableRule &rule : variableRules()) {
            if (QString::fromLatin1(rule.name).toLower() == key)
                maximum = rule.maximum;
        }
        const int number = value.toInt();
        if (number < 0 || number > maximum)
            badArgument(QStringLiteral("%1: %2 is outside 0 to %3").arg(name).arg(number).arg(maximum));
    }
    m_variables.insert(key, value.vt() == cao::VT_I2 ? cao::Value::i4(value.toInt()) : value);
    applyTouchSettings();
}

cao::Value TavloxSession::readVariable(const QString &name)
{
    const QString key = name.toLower();
    if (!m_added.contains(key))
        badArgument(QStringLiteral("The variable \"%1\" was not added").arg(name));
    return m_variables.value(key);
}

cao::Value TavloxSession::execute(const QString &command, const cao::Value &parameter)
{
    using Handler = cao::Value (TavloxSession::*)(const cao::Value &);
    static const QList<std::pair<QString, Handler>> commands = {
        {QStringLiteral("Beep"), &TavloxSession::beep},
        {QStringLiteral("LED"), &TavloxSession::led},
        {QStringLiteral("Backlight"), &TavloxSession::backlight},
        {QStringLiteral("SetKeyState"), &TavloxSession::setKeyState},
        {QStringLiteral("SetPanelState"), &TavloxSession::setPanelState},
        {QStringLiteral("GetKeyState"), &TavloxSession::getKeyState},
        {QStringLiteral("DrawMiniTP"), &TavloxSession::drawMiniTP},
    };
    for (const auto &[name, handler] : commands) {
        if (name.compare(command, Qt::CaseInsensitive) == 0)
            return (this->*handler)(parameter);
    }
    throw cao::Failure(UnknownName, QStringLiteral("Unknown command \"%1\"").arg(command));
}

Reply TavloxSession::transact(Request request, const QString &command)
{
    request.id = ++m_nextRequestId;
    if (request.id == 0) // 0 never names a request, so that a late reply cannot match "none waiting"
        request.id = ++m_nextRequestId;
    std::optional<Reply> reply;
    QEventLoop loop;
    QTimer timeout;
    timeout.setSingleShot(true);
    timeout.setTimerType(Qt::PreciseTimer);
    connect(m_link.get(), &PendantLink::replied, &loop, [&](const Reply &answer) {
        if (answer.id == request.id && !reply) {
            reply = answer;
            loop.quit();
        }
    });
    m_awaitedId = request.id;
    const auto stopAwaiting = qScopeGuard([this] { m_awaitedId = 0; });
    connect(&timeout, &QTimer::timeout, &loop, &QEventLoop::quit);
    m_link->send(request);
    if (!reply) {
        timeout.start(m_options.executeTimeoutMs);
        // The operator cannot start another command while this one waits.
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    if (!reply)
        throw cao::Failure(cao::status::Timeout, QStringLiteral("The pendant did not answer \"%1\" within %2 ms")
                                                     .arg(command)
                                                     .arg(m_options.executeTimeoutMs));
    if (!reply->ok)
        throw cao::Failure(cao::status::InvalidArgument,
                           QStringLiteral("The pendant refused \"%1\": %2").arg(command, reply->error));
    return *reply;
}

cao::Value TavloxSession::beep(const cao::Value &parameter)
{
    const int ms = numberFrom(parameter, QStringLiteral("Beep time (ms)"), 0, MaxBeepMs);
    transact({0, RequestKind::Beep, {ms}, {}}, QStringLiteral("Beep"));
    m_sink.raise(BeepEcho, cao::Value::i4(ms));
    return {};
}

cao::Value TavloxSession::led(const cao::Value &parameter)
{
    const auto &elements = arrayOf(parameter, 2, QStringLiteral("LED"));
    const int number = numberFrom(elements[0], QStringLiteral("LED number"), 1, LedCount);
    if (elements[1].vt() != cao::VT_I2 && elements[1].vt() != cao::VT_I4)
        badArgument(QStringLiteral("LED mode: expected 0, 1 or 2 as an integer, got %1").arg(elements[1].describe()));
    const int mode = numberFrom(elements[1], QStringLiteral("LED mode"), 0, 2);
    transact({0, RequestKind::Led, {number, mode}, {}}, QStringLiteral("LED"));
    m_sink.raise(LedEcho, cao::Value::array({cao::Value::i4(number), cao::Value::i2(static_cast<qint16>(mode))}));
    return {};
}

cao::Value TavloxSession::backlight(const cao::Value &parameter)
{
    if (parameter.vt() != cao::VT_BOOL)
        badArgument(QStringLiteral("Backlight: expected a boolean, got %1").arg(parameter.describe()));
    const bool on = parameter.toBool();
    transact({0, RequestKind::Backlight, {on ? 1 : 0}, {}}, QStringLiteral("Backlight"));
    m_sink.raise(BacklightEcho, cao::Value::boolean(on));
    return {};
}

cao::Value TavloxSession::setKeyState(const cao::Value &parameter)
{
    const auto &elements = arrayOf(parameter, KeyStateWords, QStringLiteral("SetKeyState"));
    QList<int> words;
    for (int w = 0; w < KeyStateWords; ++w)
        words << numberFrom(elements[w], QStringLiteral("SetKeyState word %1").arg(w), 0, 65535);
    transact({0, RequestKind::SetKeyState, words, {}}, QStringLiteral("SetKeyState"));
    return {};
}

cao::Value TavloxSession::setPanelState(const cao::Value &parameter)
{
    const auto &elements = arrayOf(parameter, 3, QStringLiteral("SetPanelState"));
    if (elements[0].vt() != cao::VT_I2 && elements[0].vt() != cao::VT_I4)
        badArgument(QStringLiteral("SetPanelState touch: expected 0 or 1 as an integer, got %1").arg(elements[0].describe()));
    const int touch = numberFrom(elements[0], QStringLiteral("SetPanelState touch"), 0, 1);
    const int x = numberFrom(elements[1], QStringLiteral("SetPanelState X"), 0, LcdWidth - 1);
    const int y = numberFrom(elements[2], QStringLiteral("SetPanelState Y"), 0, LcdHeight - 1);
    transact({0, RequestKind::SetPanelState, {touch, x, y}, {}}, QStringLiteral("SetPanelState"));
    return {};
}

cao::Value TavloxSession::getKeyState(const cao::Value &parameter)
{
    if (!parameter.isMissing() && !parameter.isEmpty())
        badArgument(QStringLiteral("GetKeyState takes no parameter, got %1").arg(parameter.describe()));
    const Reply reply = transact({0, RequestKind::GetKeyState, {}, {}}, QStringLiteral("GetKeyState"));
    cao::Value::Array words;
    for (int w = 0; w < KeyStateWords; ++w)
        words << cao::Value::i4(reply.numbers.value(w));
    return cao::Value::array(words);
}

cao::Value TavloxSession::drawMiniTP(const cao::Value &parameter)
{
    ensureAllowedInClientMode(QStringLiteral("DrawMiniTP"));
    if (!parameter.isArray())
        badArgument(QStringLiteral("DrawMiniTP: expected an array of drawing commands, got %1").arg(parameter.describe()));
    QList<DrawingItem> drawing;
    for (qsizetype i = 0; i < parameter.size(); ++i) {
        const cao::Value &entry = parameter.at(i);
        const QString where = QStringLiteral("DrawMiniTP item %1").arg(i);
        const auto &pair = arrayOf(entry, 2, where);
        if (pair[0].vt() != cao::VT_I2 && pair[0].vt() != cao::VT_I4)
            badArgument(QStringLiteral("%1: the code must be an integer, got %2").arg(where, pair[0].describe()));
        DrawingItem item{pair[0].toInt(), {}};
        if (!pair[1].isArray() || pair[1].size() > 5)
            badArgument(QStringLiteral("%1: expected up to five parameters, got %2").arg(where, pair[1].describe()));
        for (const cao::Value &text : pair[1].elements()) {
            if (text.isArray() || text.vt() == cao::VT_ERROR)
                badArgument(QStringLiteral("%1: a parameter must be text, got %2").arg(where, text.describe()));
            item.parameters << text.toText();
        }
        QString why;
        if (!interpretDrawingItem(item, &why))
            badArgument(QStringLiteral("%1: %2").arg(where, why));
        drawing << item;
    }
    transact({0, RequestKind::DrawMiniTP, {}, drawing}, QStringLiteral("DrawMiniTP"));
    m_sink.raise(DrawEcho, drawingEcho(drawing));
    return {};
}

void TavloxSession::onInput(const Input &input)
{
    onPendantHeard();
    const qint64 now = m_clock.elapsed();
    switch (input.kind) {
    case InputKind::Alive:
        return;
    case InputKind::LcdText:
        m_sink.raise(LcdEcho, cao::Value::text(input.text));
        return;
    case InputKind::KeyDown:
    case InputKind::KeyUp: {
        const bool down = input.kind == InputKind::KeyDown;
        if (m_options.keyboardMode == 0) {
            m_sink.raise(down ? KeyDown : KeyUp, cao::Value::i4(input.key));
            if (down)
                m_sink.raise(KeyPress, cao::Value::i4(input.key));
        } else if (m_injector && input.key >= 0 && input.key < keymap::SlotCount) {
            const auto binding = static_cast<quint16>(m_keyMap.slot(input.key));
            if (binding != 0) {
                const int mask = ((binding & keymap::ShiftBit) ? keymap::ShiftMask : 0) |
                                 ((binding & keymap::CtrlBit) ? keymap::CtrlMask : 0) |
                                 ((binding & keymap::AltBit) ? keymap::AltMask : 0);
                m_injector->key(binding & 0xFF, mask, down);
            }
        }
        return;
    }
    case InputKind::TouchDown:
    case InputKind::TouchMove:
    case InputKind::TouchUp:
        if (m_options.mouseMode == 1) {
            if (m_injector && m_gestures.settings.enabled) {
                const MouseAction action = input.kind == InputKind::TouchDown ? MouseAction::Press
                                           : input.kind == InputKind::TouchUp ? MouseAction::Release
                                                                              : MouseAction::Move;
                m_injector->mouse(input.x, input.y, action);
            }
            return;
        }
        if (input.kind == InputKind::TouchDown)
            raisePanelEvents(m_gestures.touchDown(input.x, input.y, now));
        else if (input.kind == InputKind::TouchMove)
            raisePanelEvents(m_gestures.touchMove(input.x, input.y, now));
        else
            raisePanelEvents(m_gestures.touchUp(input.x, input.y, now));
        scheduleHold();
        return;
    }
}

void TavloxSession::raisePanelEvents(const QList<PanelEvent> &events)
{
    for (const PanelEvent &event : events)
        m_sink.raise(event.number, cao::Value::array({cao::Value::i4(event.x), cao::Value::i4(event.y)}));
}

void TavloxSession::scheduleHold()
{
    const auto deadline = m_gestures.nextDeadline();
    if (!deadline) {
        m_holdTimer.stop();
        return;
    }
    m_holdTimer.start(static_cast<int>(std::max<qint64>(0, *deadline - m_clock.elapsed())));
}

} // namespace tavlox
