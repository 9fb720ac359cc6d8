#pragma once
// The key map "vkey.dat": 128 key bindings (Windows virtual-key code plus Shift/Ctrl/Alt bits) for the pendant keys.
#include <QString>
#include <array>

namespace keymap {

inline constexpr int SlotCount = 128;
inline constexpr int FileSize = 2 * SlotCount;
inline constexpr auto FileName = "vkey.dat";

inline constexpr qint16 ShiftBit = 0x100;
inline constexpr qint16 CtrlBit = 0x200;
inline constexpr qint16 AltBit = 0x400;

// Modifier mask of a key event: 1 Shift, 2 Ctrl, 4 Alt.
inline constexpr int ShiftMask = 1;
inline constexpr int CtrlMask = 2;
inline constexpr int AltMask = 4;

// Why a key map file that exists gave no bindings.
enum class LoadProblem { None, Unreadable, NotRegularFile };

class KeyMap
{
public:
    using SlotArray = std::array<qint16, SlotCount>;

    // Every slot 0 (no key assigned).
    KeyMap() { m_slots.fill(0); }

    [[nodiscard]] static KeyMap defaults();
    // "vkey.dat" as the provider reads it: missing → defaults; shorter → zeros beyond its end (a last odd byte is a
    // slot's low byte); longer → the first 256 bytes. A file that exists but cannot be read, or is not a regular
    // file (a FIFO, device or socket, which is never opened in a way that could wait), gives no bindings.
    [[nodiscard]] static KeyMap load(const QString &path, LoadProblem *problem = nullptr);
    // Writes the 256 bytes at offset 0, keeping any bytes of a longer file after them. The file is replaced in one
    // step, so it is never left half-written. Returns false and an explanation when it cannot be written.
    bool save(const QString &path, QString *error = nullptr) const;

    [[nodiscard]] qint16 slot(int index) const { return m_slots.at(static_cast<size_t>(index)); }
    void setSlot(int index, qint16 value) { m_slots.at(static_cast<size_t>(index)) = value; }
    [[nodiscard]] const SlotArray &values() const { return m_slots; }

    bool operator==(const KeyMap &) const = default;

private:
    SlotArray m_slots;
};

// "113 + [S]": the key code (low byte), then the held modifiers in the order Shift, Ctrl, Alt.
[[nodiscard]] QString displayText(qint16 slotValue);

// The slot value a key press stores: the key code with 0x100/0x200/0x400 for Shift/Ctrl/Alt in the mask.
[[nodiscard]] qint16 bindingFor(int virtualKey, int modifierMask);

} // namespace keymap
