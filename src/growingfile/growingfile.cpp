#include "growingfile.h"

#include <QFile>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <stdio_ext.h>
#include <sys/stat.h>
#include <unistd.h>

namespace growingfile {

namespace {
// Records are flushed once this much waits; before the buffer would overflow they are flushed too, so that the C
// library never writes a part of a record by itself and only whole records reach the file.
constexpr qsizetype FlushBytes = 256 * 1024;
constexpr qsizetype StreamBuffer = 1024 * 1024;

QString systemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}
} // namespace

GrowingFile::GrowingFile(QObject *parent) : QObject(parent)
{
    m_flushTimer.setSingleShot(true);
    m_flushTimer.setInterval(FlushMs);
    connect(&m_flushTimer, &QTimer::timeout, this, &GrowingFile::flush);
}

GrowingFile::~GrowingFile()
{
    blockSignals(true); // a last failure is still cut back to a whole record; nobody is left to tell
    close();
}

QString GrowingFile::open(const QString &path, bool replace)
{
    close();
    // A file-size limit makes a write fail with EFBIG, which is reported, instead of ending the program.
    std::signal(SIGXFSZ, SIG_IGN);
    m_file = std::fopen(QFile::encodeName(path).constData(), replace ? "wbe" : "abe");
    if (!m_file)
        return systemReason(errno);
    // A buffer of our own: given none, the C library ignores the size and writes every 4 KiB, cutting records.
    m_buffer = std::make_unique<char[]>(size_t(StreamBuffer));
    std::setvbuf(m_file, m_buffer.get(), _IOFBF, size_t(StreamBuffer));
    struct stat status = {};
    m_path = path;
    m_whole = m_size = ::fstat(fileno(m_file), &status) == 0 ? qint64(status.st_size) : 0;
    m_closer = [](FILE *file) { std::fclose(file); };
    return {};
}

bool GrowingFile::makeRoom(qsizetype bytes)
{
    if (m_file && m_size - m_whole + bytes > StreamBuffer)
        flush();
    return bytes <= StreamBuffer;
}

void GrowingFile::writeWhole(QByteArrayView record)
{
    flush();
    if (!m_file)
        return;
    for (qsizetype done = 0; done < record.size();) {
        const ssize_t written = ::write(fileno(m_file), record.data() + done, size_t(record.size() - done));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) { // cut back to before the record
            fail(systemReason(written < 0 ? errno : ENOSPC));
            return;
        }
        done += written;
    }
    std::fseek(m_file, 0, SEEK_END); // the stream goes on after what went past it
    m_size += record.size();
    m_whole = m_size;
}

void GrowingFile::wrote(qsizetype bytes)
{
    if (!m_file)
        return;
    if (ferror_unlocked(m_file)) {
        fail(systemReason(errno));
        return;
    }
    m_size += bytes;
    m_recordEnds.push_back(m_size);
    if (m_size - m_whole >= FlushBytes)
        flush();
    else if (!m_flushTimer.isActive())
        m_flushTimer.start();
}

qint64 GrowingFile::size() const
{
    return m_file ? m_size : 0;
}

void GrowingFile::flush()
{
    if (!m_file)
        return;
    m_flushTimer.stop();
    if (std::fflush(m_file) != 0 || std::ferror(m_file)) {
        fail(systemReason(errno));
        return;
    }
    // Writing to a file that was deleted succeeds and goes nowhere: that is a failure too.
    struct stat status = {};
    if (::fstat(fileno(m_file), &status) == 0 && status.st_nlink == 0) {
        fail(QStringLiteral("the file was removed"));
        return;
    }
    m_whole = m_size = qint64(std::ftell(m_file)); // exact, whoever wrote to the stream
    m_recordEnds.clear();
}

void GrowingFile::close()
{
    flush(); // a failure closes the file itself
    if (!m_file)
        return;
    m_flushTimer.stop();
    m_closer(std::exchange(m_file, nullptr));
    m_buffer.reset();
}

void GrowingFile::fail(const QString &reason)
{
    m_flushTimer.stop();
    FILE *file = std::exchange(m_file, nullptr);
    // The buffer's rest would fail again, or land after the cut: it goes. Then what got in after the last whole
    // record goes, so that the file ends on a record's end.
    __fpurge(file);
    struct stat status = {};
    qint64 cut = m_whole;
    if (::fstat(fileno(file), &status) == 0)
        for (qint64 end : m_recordEnds)
            if (end <= status.st_size)
                cut = end;
    (void)!::ftruncate(fileno(file), cut);
    m_recordEnds.clear();
    m_closer(file);
    m_buffer.reset();
    Q_EMIT failed(reason);
}

} // namespace growingfile
