#pragma once
// Qt key codes translated to the Windows virtual-key codes that "vkey.dat" stores (US keyboard layout).
#include <Qt>

namespace keymap {

inline constexpr int VK_SHIFT = 16;
inline constexpr int VK_CONTROL = 17;
inline constexpr int VK_MENU = 18; // Alt

// The virtual-key code for a key, or 0 when it has none. keypad: the key came from the numeric keypad.
[[nodiscard]] int virtualKeyFor(int qtKey, bool keypad);

// The Qt key for a virtual-key code (the first of its keys when several share it), or 0.
[[nodiscard]] int qtKeyFor(int virtualKey);

// The 1/2/4 Shift/Ctrl/Alt mask of a key event's modifiers.
[[nodiscard]] int modifierMaskFor(Qt::KeyboardModifiers modifiers);

} // namespace keymap
