// Runs a fuzz harness over every file of its checked-in corpus, with the normal compiler, as a CTest test.
#include <QDirIterator>
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
    for (int k = 1; k < argc; ++k) {
        QDirIterator entries(QString::fromLocal8Bit(argv[k]), QDir::Files, QDirIterator::Subdirectories);
        while (entries.hasNext()) {
            QFile file(entries.next());
            if (!file.open(QIODevice::ReadOnly)) {
                std::fprintf(stderr, "cannot read %s\n", qPrintable(file.fileName()));
                return 1;
            }
            const QByteArray bytes = file.readAll();
            LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t *>(bytes.constData()), static_cast<size_t>(bytes.size()));
            ++files;
        }
    }
    std::printf("%d corpus files replayed\n", files);
    return files > 0 ? 0 : 1;
}
