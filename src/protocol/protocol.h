#pragma once
// What travels between the provider and a pendant: requests with their replies, and the pendant's own input.
#include <QList>
#include <array>
#include <QMetaType>
#include <QObject>
#include <QString>
#include <QStringList>

namespace protocol {

inline constexpr int LcdWidth = 320;
inline constexpr int LcdHeight = 240;
inline constexpr int LedCount = 8;
inline constexpr int KeyStateWords = 8;
inline constexpr int PendantKeyCount = 128;

enum class RequestKind { Beep, Led, Backlight, SetKeyState, SetPanelState, GetKeyState, DrawMiniTP };
inline constexpr int RequestKindCount = static_cast<int>(RequestKind::DrawMiniTP) + 1;
// The names a request kind goes by: the provider's command names, as the trace and scripts show them.
inline constexpr std::array<const char *, RequestKindCount> RequestKindNames = {
    "Beep", "LED", "Backlight", "SetKeyState", "SetPanelState", "GetKeyState", "DrawMiniTP"};

enum class LedMode { Off = 0, On = 1, Flash = 2 };

// One MiniTP drawing command: its code and its five parameter texts.
struct DrawingItem
{
    int code = 0;
    QStringList parameters;
    bool operator==(const DrawingItem &) const = default;
};

struct Request
{
    quint32 id = 0;
    RequestKind kind = RequestKind::Beep;
    QList<int> numbers;           // Beep: [ms]; Led: [number, mode]; Backlight: [0|1]; SetKeyState: 8 words;
                                  // SetPanelState: [touch, x, y]
    QList<DrawingItem> drawing;   // DrawMiniTP
};

struct Reply
{
    quint32 id = 0;
    bool ok = true;
    QString error;       // why the pendant refused the request
    QList<int> numbers;  // GetKeyState: 8 words
};

enum class InputKind { KeyDown, KeyUp, TouchDown, TouchMove, TouchUp, LcdText, Alive };
inline constexpr int InputKindCount = static_cast<int>(InputKind::Alive) + 1;
inline constexpr std::array<const char *, InputKindCount> InputKindNames = {
    "KeyDown", "KeyUp", "TouchDown", "TouchMove", "TouchUp", "LcdText", "Alive"};

[[nodiscard]] inline const char *nameOf(RequestKind kind) { return RequestKindNames[static_cast<size_t>(kind)]; }
[[nodiscard]] inline const char *nameOf(InputKind kind) { return InputKindNames[static_cast<size_t>(kind)]; }

struct Input
{
    InputKind kind = InputKind::Alive;
    int key = 0;  // pendant key number 0-127
    int x = 0;
    int y = 0;
    QString text; // LcdText
};

// The pendant's side of a link: takes requests, answers them, and reports input.
class PendantEndpoint : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;
    // Queues a request; its reply arrives through replied() unless the pendant is silent.
    virtual void submit(const Request &request) = 0;

Q_SIGNALS:
    void replied(const protocol::Reply &reply);
    void inputOccurred(const protocol::Input &input);
};

} // namespace protocol

Q_DECLARE_METATYPE(protocol::Reply)
Q_DECLARE_METATYPE(protocol::Input)
