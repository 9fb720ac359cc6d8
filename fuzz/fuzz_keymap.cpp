// Fuzzes loading and saving "vkey.dat": whatever the file holds, saving what was loaded keeps its first 256 bytes
// (zero-padded where it is shorter) and every byte after them.
#include "fuzzinput.h"
#include "keymap/keymap.h"

#include <QFile>
#include <QTemporaryDir>

using fuzzing::require;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static auto *folder = new QTemporaryDir;
    const QString path = folder->filePath(QStringLiteral("vkey.dat"));
    const QByteArray original(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    {
        QFile file(path);
        require(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(original) == original.size());
    }
    keymap::LoadProblem problem = keymap::LoadProblem::Unreadable;
    const keymap::KeyMap map = keymap::KeyMap::load(path, &problem);
    require(problem == keymap::LoadProblem::None);
    QString error;
    require(map.save(path, &error));
    QFile file(path);
    require(file.open(QIODevice::ReadOnly));
    const QByteArray saved = file.readAll();
    const QByteArray expected = original.size() >= keymap::FileSize
                                    ? original
                                    : original + QByteArray(keymap::FileSize - original.size(), '\0');
    require(saved == expected);
    return 0;
}
