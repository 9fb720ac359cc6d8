#include "touchvariables.h"

#include "cao/failure.h"
#include "cao/status.h"
#include "protocol/protocol.h"

namespace tavlox {

namespace {

struct VariableRule
{
    const char *name;
    cao::Value initial;
    int maximum;            // for the integer variables
    bool refusedToClients;  // a client may not retune the pendant's owner's timings
};

enum Slot { Enabled, DblClickSpeed, PressHoldTime, DeadRangeX1, DeadRangeY1, DeadRangeX2, DeadRangeY2, SlotCount };
static_assert(SlotCount == TouchVariables::Count);

const std::array<VariableRule, SlotCount> &rules()
{
    static const std::array<VariableRule, SlotCount> table = {{
        {"@Enabled", cao::Value::boolean(true), 0, false},
        {"@DblClickSpeed", cao::Value::i4(500), 60000, true},
        {"@PressHoldTime", cao::Value::i4(1000), 60000, true},
        {"@DeadRangeX1", cao::Value::i4(4), protocol::LcdWidth, false},
        {"@DeadRangeY1", cao::Value::i4(4), protocol::LcdHeight, false},
        {"@DeadRangeX2", cao::Value::i4(4), protocol::LcdWidth, false},
        {"@DeadRangeY2", cao::Value::i4(4), protocol::LcdHeight, false},
    }};
    return table;
}

[[noreturn]] void badArgument(const QString &what)
{
    throw cao::Failure(cao::status::InvalidArgument, what);
}
} // namespace

TouchVariables::TouchVariables()
{
    for (size_t i = 0; i < m_values.size(); ++i)
        m_values[i] = rules()[i].initial;
}

int TouchVariables::indexOf(const QString &name) const
{
    for (size_t i = 0; i < rules().size(); ++i) {
        if (name.compare(QLatin1String(rules()[i].name), Qt::CaseInsensitive) == 0)
            return static_cast<int>(i);
    }
    return -1;
}

int TouchVariables::addedIndexOf(const QString &name) const
{
    const int index = indexOf(name);
    if (index < 0 || !m_added[static_cast<size_t>(index)])
        badArgument(QStringLiteral("The variable \"%1\" was not added").arg(name));
    return index;
}

void TouchVariables::add(const QString &name)
{
    const int index = indexOf(name);
    if (index < 0)
        badArgument(QStringLiteral("Unknown variable \"%1\"; this provider has @Enabled, @DblClickSpeed, "
                                   "@PressHoldTime and @DeadRangeX1, Y1, X2, Y2")
                        .arg(name));
    m_added[static_cast<size_t>(index)] = true;
}

void TouchVariables::write(const QString &name, const cao::Value &value, bool clientMode)
{
    const auto index = static_cast<size_t>(addedIndexOf(name));
    const VariableRule &rule = rules()[index];
    if (index == Enabled) {
        if (value.vt() != cao::VT_BOOL)
            throw cao::Failure(cao::status::TypeMismatch,
                               QStringLiteral("@Enabled takes a boolean, not %1").arg(value.describe()));
        m_values[index] = value;
        return;
    }
    if (rule.refusedToClients && clientMode)
        throw cao::Failure(cao::status::AccessDenied,
                           QStringLiteral("Writing %1 is not allowed in client mode (TPClient)").arg(name));
    if (value.vt() != cao::VT_I2 && value.vt() != cao::VT_I4)
        throw cao::Failure(cao::status::TypeMismatch,
                           QStringLiteral("%1 takes a 32-bit integer, not %2").arg(name, value.describe()));
    const int number = value.toInt();
    if (number < 0 || number > rule.maximum)
        badArgument(QStringLiteral("%1: %2 is outside 0 to %3").arg(name).arg(number).arg(rule.maximum));
    m_values[index] = cao::Value::i4(number);
}

cao::Value TouchVariables::read(const QString &name) const
{
    return m_values[static_cast<size_t>(addedIndexOf(name))];
}

TouchSettings TouchVariables::settings() const
{
    TouchSettings settings;
    settings.enabled = m_values[Enabled].toBool();
    settings.doubleClickMs = m_values[DblClickSpeed].toInt();
    settings.pressHoldMs = m_values[PressHoldTime].toInt();
    settings.deadLeft = m_values[DeadRangeX1].toInt();
    settings.deadUp = m_values[DeadRangeY1].toInt();
    settings.deadRight = m_values[DeadRangeX2].toInt();
    settings.deadDown = m_values[DeadRangeY2].toInt();
    return settings;
}

} // namespace tavlox
