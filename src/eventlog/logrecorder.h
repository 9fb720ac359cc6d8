#pragma once
// Keeps the log in a file as it grows: each line appended as it enters the log (UTF-8, one line per line),
// optionally after its time stamp (ISO 8601 local time with milliseconds and the UTC offset, then a tab). Lines
// reach the file at least every 250 ms and when recording stops; a file that would pass its size limit becomes
// FILE.1 (FILE.1 becomes FILE.2, and so on; the oldest beyond the number kept goes) and a new FILE starts.
#include "growingfile/growingfile.h"

#include <QByteArray>
#include <QObject>
#include <ctime>

namespace eventlog {

struct RecordOptions
{
    bool timestamps = false;
    qint64 maxBytes = 0; // 0: one file, never rotated
    int keep = 5;        // rotated files kept beside FILE
    bool replace = false; // empty an existing file (else lines are added to it)
};

class LogRecorder : public QObject
{
    Q_OBJECT
public:
    explicit LogRecorder(QObject *parent = nullptr);

    // Returns why the file cannot be recorded to, or empty.
    [[nodiscard]] QString start(const QString &path, const RecordOptions &options);
    void stop();
    [[nodiscard]] bool isRecording() const { return m_file.isOpen(); }
    [[nodiscard]] const QString &path() const { return m_path; }

    // One line of the log, as stored (UTF-8, without its line end).
    void record(QByteArrayView line);

Q_SIGNALS:
    // Recording has stopped on a failure (the reason only; the caller names the file).
    void failed(const QString &reason);

private:
    // "2026-12-08T23:45:01.123+01:00\t" for now.
    QByteArrayView stamp();
    bool rotate();

    growingfile::GrowingFile m_file;
    QString m_path;
    RecordOptions m_options;
    // The time stamp, made again only when the second changes.
    time_t m_stampedSecond = -1;
    QByteArray m_stampDate, m_stampZone, m_stamp;
};

} // namespace eventlog
