#pragma once
// One rule for every field of every message, shared by both ends: how many numbers a request and its reply hold
// and the range of each, whether a request may carry drawing items, and which fields an input of each kind
// uses. A pendant refuses a request that breaks a rule; the provider drops a reply or input that does. Nothing is
// ever cut, padded or wrapped to fit. docs/wire-protocol.md states the same rules in words.
#include "protocol/protocol.h"

#include <QString>
#include <optional>
#include <vector>

namespace protocol {

struct NumberRule
{
    QString name; // as a reason names it: "milliseconds", "word 3", "x"
    int minimum = 0;
    int maximum = 0;
};

// The numbers a request of this kind holds, in order.
[[nodiscard]] const std::vector<NumberRule> &requestNumbers(RequestKind kind);
// Whether a request of this kind carries drawing items (DrawMiniTP: any number, none included).
[[nodiscard]] bool requestTakesItems(RequestKind kind);
// The numbers a reply that carries out a request of this kind holds (a refusal holds none).
[[nodiscard]] const std::vector<NumberRule> &replyNumbers(RequestKind kind);

// Why the message breaks a rule, or nothing when it keeps them all. The texts are the reasons both ends give.
[[nodiscard]] std::optional<QString> requestProblem(const Request &request);
[[nodiscard]] std::optional<QString> replyProblem(RequestKind answered, const Reply &reply);
[[nodiscard]] std::optional<QString> inputProblem(const Input &input);

} // namespace protocol
