#include "keymap.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace keymap {

namespace {
struct DefaultBinding
{
    int slot;
    qint16 value;
};

// Built-in bindings; every slot not listed is 0.
constexpr DefaultBinding DefaultBindings[] = {
    // page "TP"
    {2, 19}, {3, 124}, {4, 125}, {5, 126}, {6, 127},         // Stop, Auto, Manual, Teach Check, Mortor
    {10, 38}, {11, 40}, {12, 37}, {13, 39},                  // arrows: up, down, left, right
    {14, 13}, {15, 27},                                      // OK, Cancel
    {16, 128}, {17, 129}, {18, 130}, {19, 131},              // Lock, R-SEL, M-MOD, Speed
    {20, 256},                                               // Shift
    {21, 112}, {22, 113}, {23, 114}, {24, 115}, {25, 116}, {26, 117}, // F1-F6
    {41, 609}, {42, 610}, {43, 611}, {44, 612}, {45, 613}, {46, 614}, // J1-J6 "-": Ctrl + keypad 1-6
    {51, 1121}, {52, 1122}, {53, 1123}, {54, 1124}, {55, 1125}, {56, 1126}, // J1-J6 "+": Alt + keypad 1-6
    // page "miniTP"
    {66, 19}, {67, 124}, {68, 125}, {69, 126}, {70, 127},    // Stop, Auto, Manual, Teach Check, Mortor
    {78, 13}, {79, 27},                                      // OK, Cancel
    {81, 129}, {82, 130},                                    // R-SEL, M-MOD
    {83, 256},                                               // Shift
    {84, 1121}, {85, 1122}, {86, 1123}, {87, 1124}, {88, 1125}, {89, 1126}, // J1-J6 "+"
    {90, 609}, {91, 610}, {92, 611}, {93, 612}, {94, 613}, {95, 614},       // J1-J6 "-"
    {98, 39}, {99, 37}, {100, 40}, {101, 38},                // arrows: right, left, down, up
    {102, 112}, {103, 113}, {104, 114}, {105, 115}, {106, 116}, {107, 117}, // instant stop … cycle stop
    {108, 118}, {109, 119}, {110, 120},                      // step forward, start, internal/external
    {111, 131},                                              // Speed
};
} // namespace

KeyMap KeyMap::defaults()
{
    KeyMap map;
    for (const DefaultBinding &binding : DefaultBindings)
        map.setSlot(binding.slot, binding.value);
    return map;
}

namespace {
// Opens a file for reading only when it is a regular file, and never waits: opening a FIFO that nobody writes
// would block for ever, so the check is made on the opened descriptor (no window between check and open).
LoadProblem openRegularFile(const QString &path, QFile &file, QString *why = nullptr)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        if (why)
            *why = qt_error_string(errno);
        return LoadProblem::Unreadable;
    }
    struct stat status{};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        if (why)
            *why = QStringLiteral("not a regular file");
        ::close(fd);
        return LoadProblem::NotRegularFile;
    }
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        if (why)
            *why = file.errorString();
        ::close(fd);
        return LoadProblem::Unreadable;
    }
    return LoadProblem::None;
}
} // namespace

KeyMap KeyMap::load(const QString &path, LoadProblem *problem)
{
    if (problem)
        *problem = LoadProblem::None;
    if (!QFileInfo::exists(path))
        return defaults();
    KeyMap map;
    QFile file;
    const LoadProblem opened = openRegularFile(path, file);
    if (problem)
        *problem = opened;
    if (opened != LoadProblem::None)
        return map;
    const QByteArray bytes = file.read(FileSize);
    // A file of odd length ends in half a slot: its low byte is kept (high byte 0), so that saving loses nothing.
    for (int n = 0; 2 * n < bytes.size(); ++n) {
        const auto low = static_cast<quint8>(bytes.at(2 * n));
        const auto high = 2 * n + 1 < bytes.size() ? static_cast<quint8>(bytes.at(2 * n + 1)) : quint8(0);
        map.setSlot(n, static_cast<qint16>(static_cast<quint16>(low | (high << 8))));
    }
    return map;
}

bool KeyMap::save(const QString &path, QString *error) const
{
    auto fail = [error](const QString &why) {
        if (error)
            *error = why;
        return false;
    };
    QByteArray content;
    content.reserve(FileSize);
    for (qint16 value : m_slots) {
        const auto bits = static_cast<quint16>(value);
        content.append(static_cast<char>(bits & 0xFF));
        content.append(static_cast<char>(bits >> 8));
    }
    if (QFileInfo::exists(path)) {
        QFile old;
        QString why;
        const LoadProblem opened = openRegularFile(path, old, &why);
        if (opened == LoadProblem::NotRegularFile)
            return fail(QStringLiteral("Cannot write \"%1\": it is not a regular file").arg(path));
        if (opened != LoadProblem::None)
            return fail(QStringLiteral("Cannot read \"%1\": %2").arg(path, why));
        if (old.size() > FileSize) {
            old.seek(FileSize);
            const QByteArray tail = old.readAll();
            if (tail.size() != old.size() - FileSize)
                return fail(QStringLiteral("Cannot read \"%1\": %2").arg(path, old.errorString()));
            content.append(tail);
        }
    }
    QSaveFile file(path);
    // Unbuffered, so a short write (a full disk) is seen here; a buffered one can go unnoticed until the rename.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return fail(QStringLiteral("Cannot write \"%1\": %2").arg(path, file.errorString()));
    const qint64 written = file.write(content);
    if (written != content.size() || file.size() != content.size()) {
        // Say what happened, not why it might have: a full disk and a file size limit look the same from here.
        const QString why = file.error() != QFileDevice::NoError && written < 0
                                ? file.errorString()
                                : QStringLiteral("a short write, %1 of %2 bytes written").arg(std::max<qint64>(written, 0)).arg(content.size());
        file.cancelWriting();
        return fail(QStringLiteral("Cannot write \"%1\": %2").arg(path, why));
    }
    if (!file.commit())
        return fail(QStringLiteral("Cannot write \"%1\": %2").arg(path, file.errorString()));
    return true;
}

QString displayText(qint16 slotValue)
{
    const auto bits = static_cast<quint16>(slotValue);
    QString text = QString::number(bits & 0xFF);
    if (bits & ShiftBit)
        text += QStringLiteral(" + [S]");
    if (bits & CtrlBit)
        text += QStringLiteral(" + [C]");
    if (bits & AltBit)
        text += QStringLiteral(" + [A]");
    return text;
}

qint16 bindingFor(int virtualKey, int modifierMask)
{
    int value = virtualKey & 0xFF;
    if (modifierMask & ShiftMask)
        value |= ShiftBit;
    if (modifierMask & CtrlMask)
        value |= CtrlBit;
    if (modifierMask & AltMask)
        value |= AltBit;
    return static_cast<qint16>(value);
}

} // namespace keymap
