#pragma once
// The provider's commands as pure functions: a command's parameter checked and turned into the request the
// pendant gets, the message a carried-out request is echoed with, and the result its reply gives the caller.
#include "cao/value.h"
#include "protocol/protocol.h"

#include <optional>

namespace tavlox {

// The request kind a command name stands for (any case), or none.
[[nodiscard]] std::optional<protocol::RequestKind> commandKind(const QString &command);

// The request for a command's parameter; throws cao::Failure (0x80070057) naming what is wrong. The id is left 0.
[[nodiscard]] protocol::Request requestFor(protocol::RequestKind kind, const cao::Value &parameter);

struct Echo
{
    qint32 number = 0;
    cao::Value value;
};

// The message that reports a carried-out request, for the kinds that have one.
[[nodiscard]] std::optional<Echo> echoFor(const protocol::Request &request);

// What Execute returns for a request the pendant carried out.
[[nodiscard]] cao::Value resultFor(const protocol::Request &request, const protocol::Reply &reply);

} // namespace tavlox
