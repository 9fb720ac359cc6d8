#include "values.h"

namespace testing {

cao::Value texts(const QStringList &items)
{
    cao::Value::Array array;
    for (const QString &item : items)
        array << cao::Value::text(item);
    return cao::Value::array(array);
}

std::optional<cao::Failure> failureOf(const std::function<void()> &action)
{
    try {
        action();
    } catch (const cao::Failure &failure) {
        return failure;
    }
    return std::nullopt;
}

} // namespace testing
