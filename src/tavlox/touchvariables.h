#pragma once
// The seven touch-panel variables of a controller: which exist, their types and ranges, and the gesture settings
// they make.
#include "cao/value.h"
#include "tavlox/gestures.h"

#include <QStringList>
#include <array>

namespace tavlox {

class TouchVariables
{
public:
    static constexpr int Count = 7;

    TouchVariables();

    // Throws cao::Failure (0x80070057) for a name that is not one of the seven.
    void add(const QString &name);
    // Throws cao::Failure for a variable not added, a wrong type or a value out of range; in client mode the two
    // timings may not be written (0x80070005).
    void write(const QString &name, const cao::Value &value, bool clientMode);
    [[nodiscard]] cao::Value read(const QString &name) const;

    [[nodiscard]] TouchSettings settings() const;

private:
    [[nodiscard]] int indexOf(const QString &name) const;
    [[nodiscard]] int addedIndexOf(const QString &name) const;

    std::array<cao::Value, Count> m_values;
    std::array<bool, Count> m_added{};
};

} // namespace tavlox
