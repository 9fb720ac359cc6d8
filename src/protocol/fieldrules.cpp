#include "fieldrules.h"

#include <array>

namespace protocol {

namespace {
constexpr int KeyStateWordMax = 0xFFFF;
constexpr int MaxBeepMs = 60000;

std::vector<NumberRule> words(int count)
{
    std::vector<NumberRule> rules;
    for (int w = 0; w < count; ++w)
        rules.push_back({QStringLiteral("word %1").arg(w), 0, KeyStateWordMax});
    return rules;
}

struct KindRules
{
    std::vector<NumberRule> request;
    bool items = false;
    std::vector<NumberRule> reply;
};

const std::array<KindRules, RequestKindCount> &rules()
{
    static const std::array<KindRules, RequestKindCount> table = [] {
        std::array<KindRules, RequestKindCount> kinds;
        auto at = [&kinds](RequestKind kind) -> KindRules & { return kinds[static_cast<size_t>(kind)]; };
        at(RequestKind::Beep).request = {{QStringLiteral("milliseconds"), 0, MaxBeepMs}};
        at(RequestKind::Led).request = {{QStringLiteral("led"), 1, LedCount}, {QStringLiteral("mode"), 0, 2}};
        at(RequestKind::Backlight).request = {{QStringLiteral("state"), 0, 1}};
        at(RequestKind::SetKeyState).request = words(KeyStateWords);
        at(RequestKind::SetPanelState).request = {
            {QStringLiteral("touch"), 0, 1}, {QStringLiteral("x"), 0, LcdWidth - 1}, {QStringLiteral("y"), 0, LcdHeight - 1}};
        at(RequestKind::GetKeyState).reply = words(KeyStateWords);
        at(RequestKind::DrawMiniTP).items = true;
        return kinds;
    }();
    return table;
}

QString counted(qsizetype count, const char *one, const char *many)
{
    return QStringLiteral("%1 %2").arg(count).arg(QLatin1String(count == 1 ? one : many));
}

// The numbers against their rules: first the count, then each number's range.
std::optional<QString> numbersProblem(const QString &subject, const QList<int> &numbers, const std::vector<NumberRule> &expected,
                                      const char *one, const char *many)
{
    if (numbers.size() != qsizetype(expected.size()))
        return QStringLiteral("%1 holds %2, not %3")
            .arg(subject, counted(numbers.size(), one, many), QString::number(expected.size()));
    for (size_t k = 0; k < expected.size(); ++k) {
        const NumberRule &rule = expected[k];
        const int value = numbers[qsizetype(k)];
        if (value < rule.minimum || value > rule.maximum)
            return QStringLiteral("%1 %2: %3 is outside %4–%5").arg(subject, rule.name).arg(value).arg(rule.minimum).arg(rule.maximum);
    }
    return std::nullopt;
}

// Key state words are counted as words, every other list of numbers as numbers.
bool holdsWords(const std::vector<NumberRule> &rules)
{
    return !rules.empty() && rules.front().name.startsWith(QLatin1String("word"));
}

std::optional<QString> numbersProblem(const QString &subject, const QList<int> &numbers, const std::vector<NumberRule> &expected)
{
    return holdsWords(expected) ? numbersProblem(subject, numbers, expected, "word", "words")
                                : numbersProblem(subject, numbers, expected, "number", "numbers");
}

bool isKey(InputKind kind)
{
    return kind == InputKind::KeyDown || kind == InputKind::KeyUp;
}

bool isTouch(InputKind kind)
{
    return kind == InputKind::TouchDown || kind == InputKind::TouchMove || kind == InputKind::TouchUp;
}
} // namespace

const std::vector<NumberRule> &requestNumbers(RequestKind kind)
{
    return rules()[static_cast<size_t>(kind)].request;
}

bool requestTakesItems(RequestKind kind)
{
    return rules()[static_cast<size_t>(kind)].items;
}

const std::vector<NumberRule> &replyNumbers(RequestKind kind)
{
    return rules()[static_cast<size_t>(kind)].reply;
}

std::optional<QString> requestProblem(const Request &request)
{
    const QString subject = QLatin1String(nameOf(request.kind));
    if (auto problem = numbersProblem(subject, request.numbers, requestNumbers(request.kind)))
        return problem;
    if (!requestTakesItems(request.kind) && !request.drawing.isEmpty())
        return QStringLiteral("%1 holds %2, not 0").arg(subject, counted(request.drawing.size(), "drawing item", "drawing items"));
    return std::nullopt;
}

std::optional<QString> replyProblem(RequestKind answered, const Reply &reply)
{
    const QString subject = QStringLiteral("the reply to %1").arg(QLatin1String(nameOf(answered)));
    if (!reply.ok) {
        if (reply.error.isEmpty())
            return QStringLiteral("%1 refuses without a reason").arg(subject);
        if (!reply.numbers.isEmpty())
            return QStringLiteral("%1 refuses and holds %2, not 0").arg(subject, counted(reply.numbers.size(), "number", "numbers"));
        return std::nullopt;
    }
    if (!reply.error.isEmpty())
        return QStringLiteral("%1 is done but gives a reason").arg(subject);
    return numbersProblem(subject, reply.numbers, replyNumbers(answered));
}

std::optional<QString> inputProblem(const Input &input)
{
    const QString kind = QLatin1String(nameOf(input.kind));
    if (isKey(input.kind)) {
        if (input.key < 0 || input.key >= PendantKeyCount)
            return QStringLiteral("%1 key: %2 is outside 0–%3").arg(kind).arg(input.key).arg(PendantKeyCount - 1);
    } else if (input.key != 0) {
        return QStringLiteral("%1 carries key %2, which only KeyDown and KeyUp have").arg(kind).arg(input.key);
    }
    if (isTouch(input.kind)) {
        if (input.x < 0 || input.x >= LcdWidth)
            return QStringLiteral("%1 x: %2 is outside 0–%3").arg(kind).arg(input.x).arg(LcdWidth - 1);
        if (input.y < 0 || input.y >= LcdHeight)
            return QStringLiteral("%1 y: %2 is outside 0–%3").arg(kind).arg(input.y).arg(LcdHeight - 1);
    } else if (input.x != 0 || input.y != 0) {
        return QStringLiteral("%1 carries the position (%2, %3), which only a touch has").arg(kind).arg(input.x).arg(input.y);
    }
    if (input.kind != InputKind::LcdText && !input.text.isEmpty())
        return QStringLiteral("%1 carries a text, which only LcdText has").arg(kind);
    return std::nullopt;
}

} // namespace protocol
