#pragma once
// The messages the Tavlox provider raises to the application (the engine's OnMessage numbers), for the provider
// that raises them and the console that shows them.
#include <QtGlobal>

namespace protocol {

enum ProviderMessage : qint32 {
    CheckWired = 0,
    KeyDown = 1,
    KeyUp = 2,
    KeyPress = 3,
    PanelDown = 4,
    PanelUp = 5,
    PanelClick = 6,
    PanelDblClick = 7,
    PanelPressAndHold = 8,
    BeepEcho = 256,
    LedEcho = 257,
    LcdText = 258,
    DrawEcho = 259,
    BacklightEcho = 260,
};

} // namespace protocol
