// Runs a fuzz harness over every file of its checked-in corpus, with the normal compiler, as a CTest test. An
// argument that is a file is read as a conformance table (docs/wire-conformance.txt): each of its messages and
// serial lines is an input too.
#include "conformancetable.h"

#include <QDirIterator>
#include <QFileInfo>
#include <QFile>
#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);

int main(int argc, char *argv[])
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s CORPUS-FOLDER...\n", argv[0]);
        return 2;
    }
    int files = 0;
    auto replay = [&files](const QByteArray &bytes) {
        LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t *>(bytes.constData()), static_cast<size_t>(bytes.size()));
        ++files;
    };
    for (int k = 1; k < argc; ++k) {
        const QString path = QString::fromLocal8Bit(argv[k]);
        if (QFileInfo(path).isFile()) {
            QString problem;
            const QList<testing::ConformanceRow> rows = testing::readConformanceTable(path, &problem);
            if (rows.isEmpty()) {
                std::fprintf(stderr, "%s\n", qPrintable(problem));
                return 1;
            }
            for (const testing::ConformanceRow &row : rows)
                for (const QByteArray &message : row.messages)
                    replay(message);
            continue;
        }
        QDirIterator entries(path, QDir::Files, QDirIterator::Subdirectories);
        while (entries.hasNext()) {
            QFile file(entries.next());
            if (!file.open(QIODevice::ReadOnly)) {
                std::fprintf(stderr, "cannot read %s\n", qPrintable(file.fileName()));
                return 1;
            }
            replay(file.readAll());
        }
    }
    std::printf("%d corpus inputs replayed\n", files);
    return files > 0 ? 0 : 1;
}
