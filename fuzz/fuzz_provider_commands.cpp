// Fuzzes the provider's commands and variables on the simulated pendant with random parameters, drawings
// included: every call either succeeds or fails with cao::Failure, and the pendant keeps answering.
#include "cao/engine.h"
#include "cao/failure.h"
#include "fuzzinput.h"
#include "pendant/pendantdevice.h"
#include "protocol/drawingrules.h"
#include "tavlox/tavloxprovider.h"

#include <QGuiApplication>

using fuzzing::require;

namespace {
const QStringList &commands()
{
    static const QStringList names = {"Beep", "LED", "Backlight", "SetKeyState", "SetPanelState", "GetKeyState",
                                      "DrawMiniTP", "drawminitp", "Nothing"};
    return names;
}

const QStringList &variables()
{
    static const QStringList names = {"@Enabled", "@DblClickSpeed", "@PressHoldTime", "@DeadRangeX1",
                                      "@DeadRangeY1", "@DeadRangeX2", "@DeadRangeY2", "@Unknown"};
    return names;
}

// Mostly well-formed drawings, so that the drawing rules and the LCD are reached, with faults mixed in.
cao::Value drawing(fuzzing::FuzzInput &input)
{
    static const int codes[] = {protocol::SetDrawingColour, protocol::SetBackgroundColour, protocol::SetFillColour,
                                protocol::DrawString,       protocol::DrawLine,            protocol::DrawRectangle,
                                protocol::SetDrawingWidth,  protocol::BeginRecording,      protocol::EndRecording,
                                protocol::RecallRecording};
    cao::Value::Array items;
    const int count = input.byte() % 40;
    for (int i = 0; i < count && !input.empty(); ++i) {
        const quint8 shape = input.byte();
        if (shape < 16) {
            items << input.value(1);
            continue;
        }
        const int code = shape < 240 ? codes[shape % 10] : input.i32();
        cao::Value::Array parameters;
        for (int k = 0; k < 5; ++k)
            parameters << cao::Value::text(input.byte() < 40 ? input.text() : QString::number(input.number(0, 330)));
        items << cao::Value::array({cao::Value::i4(code), cao::Value::array(parameters)});
    }
    return cao::Value::array(items);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    fuzzing::ensureApplication<QGuiApplication>();
    static auto *device = new pendant::PendantDevice;
    static auto *registration = new cao::ScopedProviderRegistration(
        QString::fromLatin1(tavlox::ProgrammaticId),
        std::make_shared<tavlox::TavloxProvider>(
            [](const tavlox::ConnectionOptions &) { return std::make_unique<tavlox::InProcessLink>(device); }));
    static auto *engine = new cao::Engine;
    static std::shared_ptr<cao::Controller> controller = [] {
        auto made = engine->Workspaces().Item(0)->AddController(
            QStringLiteral("Tavlox"), QString::fromLatin1(tavlox::ProgrammaticId), QString(),
            QStringLiteral("Port=1,KeyboardMode=0,MouseMode=0,TPInitWait=86400000,ExecuteTimeout=5000"));
        for (const QString &name : variables().mid(0, 7))
            (void)made->AddVariable(name, QString());
        return made;
    }();
    (void)registration;

    fuzzing::FuzzInput input(data, size);
    for (int call = 0; call < 4 && !input.empty(); ++call) {
        try {
            const quint8 what = input.byte();
            if (what < 40) {
                const QString name = variables()[input.byte() % variables().size()];
                controller->Variables().Item(name)->setValue(input.value());
            } else {
                const QString command = commands()[what % commands().size()];
                const cao::Value parameter = command.compare(QLatin1String("DrawMiniTP"), Qt::CaseInsensitive) == 0 &&
                                                     input.byte() < 200
                                                 ? drawing(input)
                                                 : input.value();
                (void)controller->Execute(command, parameter);
            }
        } catch (const cao::Failure &failure) {
            require(!failure.description().isEmpty());
        }
    }
    // Whatever came before, the pendant still answers: the provider and the LCD are in a sound state.
    const cao::Value state = controller->Execute(QStringLiteral("GetKeyState"), cao::Value::missing());
    require(state.isArray() && state.size() == protocol::KeyStateWords);
    // Messages are delivered from the event loop between calls, as in the console; without this turn the echoes
    // of every input would pile up.
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    return 0;
}
