#include "growingfile.h"

#include <QFile>
#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <stdio_ext.h>
#include <sys/stat.h>
#include <unistd.h>

namespace growingfile {

namespace {
// Records are flushed once this much waits; before the buffer would overflow they are flushed too, so that the C
// library never writes a part of a record by itself.
constexpr qsizetype FlushBytes = 256 * 1024;
constexpr qsizetype StreamBuffer = 1024 * 1024;
// The kernel stops a write between two pages of the file when the program is being killed, and keeps what it had
// written: a write that stays within one page is whole or not at all.
constexpr qint64 PageBytes = 4096;

QString systemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

bool writeAll(int fd, const char *data, size_t size)
{
    while (size > 0) {
        const ssize_t written = ::write(fd, data, size);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            if (written == 0)
                errno = ENOSPC;
            return false;
        }
        data += written;
        size -= size_t(written);
    }
    return true;
}
} // namespace

// The stream's writes: what the C library flushes goes to the file in pieces that end on records' ends, so that
// a program killed between two pieces leaves only whole records. Within a piece, the kernel can stop only where
// the piece passes from one page of the file to the next: each piece passes a page boundary only in its first
// record, right after it began, which leaves the smallest chance of that.
ssize_t GrowingFile::writePieces(void *cookie, const char *data, size_t size)
{
    auto *self = static_cast<GrowingFile *>(cookie);
    const qint64 start = self->m_written;
    const qint64 end = start + qint64(size);
    const auto boundaryFrom = [](qint64 offset) { return (offset + PageBytes - 1) / PageBytes * PageBytes; };
    qint64 at = start;
    auto recordEnd = self->m_recordEnds.begin();
    while (at < end) {
        while (recordEnd != self->m_recordEnds.end() && *recordEnd <= at)
            ++recordEnd;
        // The first record goes whole, whatever boundary it passes; the piece then takes the records up to the
        // next boundary.
        const qint64 first = recordEnd != self->m_recordEnds.end() && *recordEnd <= end ? *recordEnd : end;
        const qint64 nextBoundary = boundaryFrom(at + 1);
        const qint64 limit = std::min(end, first <= nextBoundary ? nextBoundary : boundaryFrom(first));
        qint64 until = first;
        for (auto more = recordEnd; more != self->m_recordEnds.end() && *more <= limit; ++more)
            until = *more;
        if (!writeAll(self->m_fd, data + (at - start), size_t(until - at)))
            return -1;
        self->m_written = until;
        at = until;
    }
    return ssize_t(size);
}

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
    const int fd = ::open(QFile::encodeName(path).constData(),
                          O_WRONLY | O_CREAT | O_CLOEXEC | (replace ? O_TRUNC : O_APPEND), 0644);
    if (fd < 0)
        return systemReason(errno);
    struct stat status = {};
    m_fd = fd;
    m_written = ::fstat(fd, &status) == 0 ? qint64(status.st_size) : 0;
    const cookie_io_functions_t functions = {nullptr, &GrowingFile::writePieces, nullptr, [](void *) { return 0; }};
    m_file = fopencookie(this, "w", functions);
    if (!m_file) {
        const int error = errno;
        ::close(std::exchange(m_fd, -1));
        return systemReason(error);
    }
    // A buffer of our own: given none, the C library ignores the size and writes every 4 KiB, cutting records.
    m_buffer = std::make_unique<char[]>(size_t(StreamBuffer));
    std::setvbuf(m_file, m_buffer.get(), _IOFBF, size_t(StreamBuffer));
    m_path = path;
    m_whole = m_size = m_written;
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
    if (!writeAll(m_fd, record.data(), size_t(record.size()))) {
        fail(systemReason(errno)); // cut back to before the record
        return;
    }
    m_written += record.size();
    m_whole = m_size = m_written;
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
    if (::fstat(m_fd, &status) == 0 && status.st_nlink == 0) {
        fail(QStringLiteral("the file was removed"));
        return;
    }
    m_whole = m_size = m_written; // exact, whoever wrote to the stream
    m_recordEnds.clear();
}

void GrowingFile::close()
{
    flush(); // a failure closes the file itself
    if (!m_file)
        return;
    m_flushTimer.stop();
    m_closer(std::exchange(m_file, nullptr));
    ::close(std::exchange(m_fd, -1));
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
    if (::fstat(m_fd, &status) == 0)
        for (qint64 end : m_recordEnds)
            if (end <= status.st_size)
                cut = end;
    (void)!::ftruncate(m_fd, cut);
    m_recordEnds.clear();
    m_closer(file);
    ::close(std::exchange(m_fd, -1));
    m_buffer.reset();
    Q_EMIT failed(reason);
}

} // namespace growingfile
