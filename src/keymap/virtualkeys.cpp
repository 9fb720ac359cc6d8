#include "virtualkeys.h"

#include "keymap.h"

namespace keymap {

namespace {
struct KeyPair
{
    int qtKey;
    int virtualKey;
};

// Keys whose code is not a simple range. Shifted punctuation maps to the key that produces it.
constexpr KeyPair NamedKeys[] = {
    {Qt::Key_Backspace, 8},  {Qt::Key_Tab, 9},        {Qt::Key_Backtab, 9},      {Qt::Key_Clear, 12},
    {Qt::Key_Return, 13},    {Qt::Key_Enter, 13},     {Qt::Key_Shift, 16},       {Qt::Key_Control, 17},
    {Qt::Key_Alt, 18},       {Qt::Key_AltGr, 18},     {Qt::Key_Pause, 19},       {Qt::Key_CapsLock, 20},
    {Qt::Key_Escape, 27},    {Qt::Key_Space, 32},     {Qt::Key_PageUp, 33},      {Qt::Key_PageDown, 34},
    {Qt::Key_End, 35},       {Qt::Key_Home, 36},      {Qt::Key_Left, 37},        {Qt::Key_Up, 38},
    {Qt::Key_Right, 39},     {Qt::Key_Down, 40},      {Qt::Key_Select, 41},      {Qt::Key_Printer, 42},
    {Qt::Key_Execute, 43},   {Qt::Key_Print, 44},     {Qt::Key_Insert, 45},      {Qt::Key_Delete, 46},
    {Qt::Key_Help, 47},      {Qt::Key_Meta, 91},      {Qt::Key_Super_L, 91},     {Qt::Key_Super_R, 92},
    {Qt::Key_Menu, 93},      {Qt::Key_Sleep, 95},     {Qt::Key_NumLock, 144},    {Qt::Key_ScrollLock, 145},
    // digits typed with Shift on a US keyboard
    {Qt::Key_ParenRight, 48}, {Qt::Key_Exclam, 49},   {Qt::Key_At, 50},          {Qt::Key_NumberSign, 51},
    {Qt::Key_Dollar, 52},    {Qt::Key_Percent, 53},   {Qt::Key_AsciiCircum, 54}, {Qt::Key_Ampersand, 55},
    {Qt::Key_Asterisk, 56},  {Qt::Key_ParenLeft, 57},
    // punctuation keys (OEM codes)
    {Qt::Key_Semicolon, 186}, {Qt::Key_Colon, 186},   {Qt::Key_Equal, 187},      {Qt::Key_Plus, 187},
    {Qt::Key_Comma, 188},    {Qt::Key_Less, 188},     {Qt::Key_Minus, 189},      {Qt::Key_Underscore, 189},
    {Qt::Key_Period, 190},   {Qt::Key_Greater, 190},  {Qt::Key_Slash, 191},      {Qt::Key_Question, 191},
    {Qt::Key_QuoteLeft, 192}, {Qt::Key_AsciiTilde, 192}, {Qt::Key_BracketLeft, 219}, {Qt::Key_BraceLeft, 219},
    {Qt::Key_Backslash, 220}, {Qt::Key_Bar, 220},     {Qt::Key_BracketRight, 221}, {Qt::Key_BraceRight, 221},
    {Qt::Key_Apostrophe, 222}, {Qt::Key_QuoteDbl, 222},
};

// Keys of the numeric keypad that differ from their main-keyboard twins.
constexpr KeyPair KeypadKeys[] = {
    {Qt::Key_Asterisk, 106}, {Qt::Key_Plus, 107}, {Qt::Key_Minus, 109}, {Qt::Key_Period, 110},
    {Qt::Key_Comma, 110},    {Qt::Key_Slash, 111}, {Qt::Key_Enter, 13},
};
} // namespace

int virtualKeyFor(int qtKey, bool keypad)
{
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z)
        return 65 + (qtKey - Qt::Key_A);
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
        return (keypad ? 96 : 48) + (qtKey - Qt::Key_0);
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
        return 112 + (qtKey - Qt::Key_F1);
    if (keypad) {
        for (const KeyPair &pair : KeypadKeys) {
            if (pair.qtKey == qtKey)
                return pair.virtualKey;
        }
    }
    for (const KeyPair &pair : NamedKeys) {
        if (pair.qtKey == qtKey)
            return pair.virtualKey;
    }
    return 0;
}

int qtKeyFor(int virtualKey)
{
    if (virtualKey >= 65 && virtualKey <= 90)
        return Qt::Key_A + (virtualKey - 65);
    if (virtualKey >= 48 && virtualKey <= 57)
        return Qt::Key_0 + (virtualKey - 48);
    if (virtualKey >= 96 && virtualKey <= 105)
        return Qt::Key_0 + (virtualKey - 96);
    if (virtualKey >= 112 && virtualKey <= 135)
        return Qt::Key_F1 + (virtualKey - 112);
    for (const KeyPair &pair : KeypadKeys) {
        if (pair.virtualKey == virtualKey)
            return pair.qtKey;
    }
    for (const KeyPair &pair : NamedKeys) {
        if (pair.virtualKey == virtualKey)
            return pair.qtKey;
    }
    return 0;
}

int modifierMaskFor(Qt::KeyboardModifiers modifiers)
{
    int mask = 0;
    if (modifiers & Qt::ShiftModifier)
        mask |= ShiftMask;
    if (modifiers & Qt::ControlModifier)
        mask |= CtrlMask;
    if (modifiers & Qt::AltModifier)
        mask |= AltMask;
    return mask;
}

} // namespace keymap
