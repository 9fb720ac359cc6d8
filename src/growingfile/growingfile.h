#pragma once
// A file a program writes as it runs, record by record (a log line, a captured packet): records go through the C
// library's buffer and reach the file at least every 250 ms and when it closes, so a crash loses at most that.
// Only whole records reach the file, in writes that end on a record's end and stay within a page where they can,
// so that even a program killed in the middle of a write leaves whole records. The first failure (disk full, a
// file-size limit, the file removed) closes it, cut back to the end of the last record that reached it whole, and
// is reported once.
#include <QByteArrayView>
#include <QObject>
#include <QString>
#include <QTimer>
#include <cstdio>
#include <sys/types.h>
#include <functional>
#include <memory>
#include <vector>

namespace growingfile {

class GrowingFile : public QObject
{
    Q_OBJECT
public:
    static constexpr int FlushMs = 250;

    explicit GrowingFile(QObject *parent = nullptr);
    ~GrowingFile() override; // flushes and closes; a failure then is handled but not signalled

    // Creates the file, or empties it (replace) or adds to it (!replace); returns why it could not, or empty.
    [[nodiscard]] QString open(const QString &path, bool replace);
    [[nodiscard]] bool isOpen() const { return m_file != nullptr; }
    [[nodiscard]] const QString &path() const { return m_path; }
    // Where records go (written by the caller, or by a library). Null when closed.
    [[nodiscard]] FILE *stream() const { return m_file; }
    // For a library that owns the stream once it has written to it: how to close it (fclose by default).
    void setCloser(std::function<void(FILE *)> closer) { m_closer = std::move(closer); }

    // Before a record of that many bytes goes to the stream: makes room for it in the stream's buffer, so that the
    // C library never writes a part of it by itself. False when it is larger than the buffer: write it with
    // writeWhole() instead.
    bool makeRoom(qsizetype bytes);
    // A record too large for the buffer, written to the file on its own.
    void writeWhole(QByteArrayView record);
    // After a whole record of that many bytes went to the stream: notices a failure at once and makes sure the
    // record reaches the file soon.
    void wrote(qsizetype bytes);
    // The file's size with what is still buffered.
    [[nodiscard]] qint64 size() const;
    void flush();
    // Flushes (a failure is reported as any other) and closes.
    void close();

Q_SIGNALS:
    // Once, naming the reason only ("No space left on device"); the file is closed by then.
    void failed(const QString &reason);

private:
    void fail(const QString &reason);
    static ssize_t writePieces(void *cookie, const char *data, size_t size);

    int m_fd = -1;
    qint64 m_written = 0; // the file's size: what the stream has written to it
    FILE *m_file = nullptr;
    QString m_path;
    qint64 m_whole = 0; // the size at the last flush that worked: every record before it is in the file whole
    qint64 m_size = 0;  // with what is buffered
    std::vector<qint64> m_recordEnds; // since the last flush: where a failed write may be cut back to
    QTimer m_flushTimer;
    std::function<void(FILE *)> m_closer;
    std::unique_ptr<char[]> m_buffer; // the stream's: the C library keeps its own small one if handed none
};

} // namespace growingfile
