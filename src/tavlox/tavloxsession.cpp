#include "tavloxsession.h"

#include "cao/failure.h"
#include "cao/status.h"
#include "protocol/fieldrules.h"
#include "protocol/messages.h"
#include "tavlox/commandrequests.h"

#include <QDir>
#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcTavlox, "zandorex.tavlox", QtInfoMsg)

namespace tavlox {

namespace {

} // namespace

TavloxSession::TavloxSession(ConnectionOptions options, std::unique_ptr<PendantLink> link, cao::MessageSink &sink,
                             InputInjector *injector)
    : m_options(std::move(options)), m_link(std::move(link)), m_conversation(*m_link), m_sink(sink),
      m_injector(injector)
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
    m_gestures.settings = m_variables.settings();
    m_clock.start();

    connect(&m_conversation, &Conversation::heard, this, &TavloxSession::onPendantHeard);
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
    m_sink.raise(protocol::CheckWired, cao::Value::i4(number), [alive, number](const cao::Value &) {
        if (alive.expired() || !*alive.lock())
            return;
        qCInfo(lcTavlox) << "CheckWired" << number << "answered";
    });
}

void TavloxSession::addVariable(const QString &name, const QString &)
{
    m_variables.add(name);
}

void TavloxSession::writeVariable(const QString &name, const cao::Value &value)
{
    m_variables.write(name, value, m_options.clientMode);
    m_gestures.settings = m_variables.settings();
}

cao::Value TavloxSession::readVariable(const QString &name)
{
    return m_variables.read(name);
}

cao::Value TavloxSession::execute(const QString &command, const cao::Value &parameter)
{
    const std::optional<protocol::RequestKind> kind = commandKind(command);
    if (!kind)
        throw cao::Failure(cao::status::UnknownName, QStringLiteral("Unknown command \"%1\"").arg(command));
    // A client may watch and exercise the pendant but not draw on its owner's LCD.
    if (*kind == protocol::RequestKind::DrawMiniTP && m_options.clientMode)
        throw cao::Failure(cao::status::AccessDenied, QStringLiteral("DrawMiniTP is not allowed in client mode (TPClient)"));
    const protocol::Request request = requestFor(*kind, parameter);
    const protocol::Reply reply = transact(request);
    if (const std::optional<Echo> echo = echoFor(request))
        m_sink.raise(echo->number, echo->value);
    return resultFor(request, reply);
}

protocol::Reply TavloxSession::transact(const protocol::Request &request)
{
    const QLatin1String command(nameOf(request.kind));
    const Conversation::Answer answer = m_conversation.ask(request, m_options.executeTimeoutMs);
    const std::optional<protocol::Reply> &reply = answer.reply;
    if (!reply && !answer.brokenRule.isEmpty())
        throw cao::Failure(cao::status::Unspecified, QStringLiteral("The pendant's reply to \"%1\" breaks the protocol: %2")
                                                         .arg(command, answer.brokenRule));
    if (!reply)
        throw cao::Failure(cao::status::Timeout, QStringLiteral("The pendant did not answer \"%1\" within %2 ms")
                                                     .arg(command)
                                                     .arg(m_options.executeTimeoutMs));
    if (!reply->ok)
        throw cao::Failure(cao::status::InvalidArgument,
                           QStringLiteral("The pendant refused \"%1\": %2").arg(command, reply->error));
    return *reply;
}

void TavloxSession::onInput(const protocol::Input &input)
{
    onPendantHeard();
    // A key or touch that breaks a rule would become a believable line; it is dropped instead.
    if (const std::optional<QString> broken = inputProblem(input)) {
        m_link->reportDropped(QStringLiteral("input %1").arg(QLatin1String(nameOf(input.kind))), *broken);
        return;
    }
    switch (input.kind) {
    case protocol::InputKind::Alive:
        return;
    case protocol::InputKind::LcdText:
        m_sink.raise(protocol::LcdText, cao::Value::text(input.text));
        return;
    case protocol::InputKind::KeyDown:
    case protocol::InputKind::KeyUp:
        onKey(input);
        return;
    case protocol::InputKind::TouchDown:
    case protocol::InputKind::TouchMove:
    case protocol::InputKind::TouchUp:
        onTouch(input);
        return;
    }
}

// Keys become messages, or key presses from the key map for the application on the PC.
void TavloxSession::onKey(const protocol::Input &input)
{
    const bool down = input.kind == protocol::InputKind::KeyDown;
    if (m_options.keyboardMode == 0) {
        m_sink.raise(down ? protocol::KeyDown : protocol::KeyUp, cao::Value::i4(input.key));
        if (down)
            m_sink.raise(protocol::KeyPress, cao::Value::i4(input.key));
        return;
    }
    if (!m_injector || input.key < 0 || input.key >= keymap::SlotCount)
        return;
    const auto binding = static_cast<quint16>(m_keyMap.slot(input.key));
    if (binding == 0)
        return;
    const int mask = ((binding & keymap::ShiftBit) ? keymap::ShiftMask : 0) |
                     ((binding & keymap::CtrlBit) ? keymap::CtrlMask : 0) | ((binding & keymap::AltBit) ? keymap::AltMask : 0);
    m_injector->key(binding & 0xFF, mask, down);
}

// Touches become panel messages through the gesture recogniser, or mouse input for the application on the PC.
void TavloxSession::onTouch(const protocol::Input &input)
{
    if (m_options.mouseMode == 1) {
        if (m_injector && m_gestures.settings.enabled) {
            const MouseAction action = input.kind == protocol::InputKind::TouchDown ? MouseAction::Press
                                       : input.kind == protocol::InputKind::TouchUp ? MouseAction::Release
                                                                          : MouseAction::Move;
            m_injector->mouse(input.x, input.y, action);
        }
        return;
    }
    const qint64 now = m_clock.elapsed();
    if (input.kind == protocol::InputKind::TouchDown)
        raisePanelEvents(m_gestures.touchDown(input.x, input.y, now));
    else if (input.kind == protocol::InputKind::TouchMove)
        raisePanelEvents(m_gestures.touchMove(input.x, input.y, now));
    else
        raisePanelEvents(m_gestures.touchUp(input.x, input.y, now));
    scheduleHold();
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
