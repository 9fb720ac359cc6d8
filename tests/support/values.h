#pragma once
// Values and failures as tests build and inspect them.
#include "cao/failure.h"
#include "cao/value.h"

#include <QStringList>
#include <functional>
#include <optional>

namespace testing {

// An array of texts, as the console sends key states and drawing parameters.
[[nodiscard]] cao::Value texts(const QStringList &items);

// A drawing item as the engine carries it: [code, parameters].
[[nodiscard]] inline cao::Value drawingItem(qint32 code, cao::Value parameters)
{
    return cao::Value::array({cao::Value::i4(code), std::move(parameters)});
}

// The failure an action ends in, or none when it succeeds.
[[nodiscard]] std::optional<cao::Failure> failureOf(const std::function<void()> &action);

} // namespace testing
