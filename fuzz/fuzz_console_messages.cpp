// Fuzzes the console's message handler: a message number and a random variant tree, raised by a provider on the
// real main window. Nothing may throw out of the window, nothing is logged with "Log" clear, every wiring check
// is answered, and a value of the wrong shape logs only the true lines before the fault.
#include "console/frmMain.h"
#include "fuzzinput.h"
#include "recordingprovider.h"
#include "widgetdriver.h"

#include <QApplication>
#include <QCheckBox>
#include <optional>

using fuzzing::require;

namespace {
std::optional<QString> textOf(const cao::Value &value)
{
    try {
        return value.toText();
    } catch (const cao::Failure &) {
        return std::nullopt;
    }
}

std::optional<cao::Value> element(const cao::Value &value, qsizetype index)
{
    try {
        return value.at(index);
    } catch (const cao::Failure &) {
        return std::nullopt;
    }
}

std::optional<QString> texts(const cao::Value &value, int count)
{
    QStringList parts;
    for (int k = 0; k < count; ++k) {
        const auto part = element(value, k);
        const auto text = part ? textOf(*part) : std::nullopt;
        if (!text)
            return std::nullopt;
        parts << *text;
    }
    return parts.join(QStringLiteral(", "));
}

std::optional<int> codeOf(const cao::Value &code)
{
    if (code.vt() == cao::VT_I2 || code.vt() == cao::VT_I4)
        return code.toInt();
    if (code.vt() == cao::VT_BSTR) {
        bool ok = false;
        const int number = code.toText().trimmed().toInt(&ok);
        return ok ? std::optional<int>(number) : std::nullopt;
    }
    return std::nullopt;
}

// The lines a message gives, up to the first part of its value that cannot be shown, from the table of messages.
QStringList expectedLines(qint32 number, const cao::Value &v)
{
    static const QHash<qint32, QString> single = {{1, "KeyDown : "}, {2, "KeyUp : "}, {3, "KeyPress : "},
                                                   {256, "Beep : "}, {258, "LCD : "}, {260, "Backlight : "}};
    static const QHash<qint32, QString> pairs = {{4, "PanelDown : "}, {5, "PanelUp : "}, {6, "PanelClick : "},
                                                  {7, "PanelDblClick : "}, {257, "LED : "}};
    QStringList lines;
    if (number == 0) {
        if (const auto text = textOf(v))
            lines << QStringLiteral("CheckWired: ") + *text;
    } else if (number == 8) {
        lines << QStringLiteral("PanelPressAndHold");
    } else if (single.contains(number)) {
        if (const auto text = textOf(v))
            lines << single[number] + *text;
    } else if (pairs.contains(number)) {
        if (const auto text = texts(v, 2))
            lines << pairs[number] + *text;
    } else if (number == 259) {
        lines << QStringLiteral("DrawMiniTP : ");
        if (!v.isArray())
            return lines;
        for (const cao::Value &item : v.elements()) {
            const auto code = element(item, 0);
            const auto parameters = element(item, 1);
            const auto codeText = code ? textOf(*code) : std::nullopt;
            if (!codeText || !parameters)
                return lines;
            const std::optional<int> n = codeOf(*code);
            const auto shown = n == 32 ? texts(*parameters, 5) : (n == 48 || n == 49) ? texts(*parameters, 4)
                                                                                     : textOf(*parameters);
            if (!shown)
                return lines;
            lines << *codeText + QStringLiteral(" : ") + *shown + QLatin1Char('\t');
        }
    }
    return lines;
}

qint32 messageNumber(fuzzing::FuzzInput &input)
{
    const quint8 pick = input.byte();
    if (pick < 100)
        return pick % 9;
    if (pick < 200)
        return 256 + pick % 5;
    return input.i32();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    fuzzing::ensureApplication<QApplication>();
    static auto *provider = new testing::RecordingProviderScope;
    static auto *window = [] {
        auto *main = new frmMain;
        main->cmdEng_Click(0); // Open, on the recording provider
        return main;
    }();
    require(window->controller() != nullptr);

    fuzzing::FuzzInput input(data, size);
    auto *logBox = testing::child<QCheckBox>(window, QStringLiteral("chkLog"));
    const bool logging = (input.byte() & 3) != 0;
    logBox->setChecked(logging);
    window->cmdTester_Click(1); // Clear
    const qint32 number = messageNumber(input);
    const cao::Value value = input.value();
    int answers = 0;
    (*provider)->sink->raise(number, value, [&answers](const cao::Value &) { ++answers; });
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();

    const QStringList lines = testing::listLines(window, QStringLiteral("lstLog"));
    require(answers == (number == 0 ? 1 : 0));
    require(logging ? lines == expectedLines(number, value) : lines.isEmpty());
    return 0;
}
