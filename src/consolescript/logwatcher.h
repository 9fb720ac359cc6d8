#pragma once
// The console's event log as a script reads it, in the user-interface thread: its lines through the list's model,
// and watches that look at each new line once, as it arrives, never at the whole log again.
#include <QObject>
#include <QPointer>
#include <QRegularExpression>
#include <functional>
#include <optional>
#include <vector>

class QAbstractItemModel;
class QAbstractItemView;

namespace consolescript {

// A whole line, or a regular expression that matches a part of one.
struct LinePattern
{
    QString whole;
    std::optional<QRegularExpression> part;
    [[nodiscard]] bool matches(const QString &line) const { return part ? part->match(line).hasMatch() : line == whole; }
    [[nodiscard]] QString describe() const;
};

class LogWatcher : public QObject
{
    Q_OBJECT
public:
    explicit LogWatcher(QAbstractItemView &view);

    // Lines stored but not shown yet count too.
    [[nodiscard]] qsizetype count();
    [[nodiscard]] QStringList lines(qsizetype from, qsizetype to);
    // How often the log has been cleared: a row number taken before a clear names nothing now.
    [[nodiscard]] int clears() const { return m_clears; }
    // Calls found once, with the first line at or after `from` that matches: at once when one is there already.
    int watch(LinePattern pattern, qsizetype from, std::function<void(const QString &line)> found);
    void unwatch(int id);
    // Calls each with every line that enters the log from now on, in order.
    void follow(std::function<void(const QString &line)> each);

private:
    struct Watch
    {
        int id;
        LinePattern pattern;
        qsizetype next; // the first row not looked at
        std::function<void(const QString &line)> found;
    };
    void lookAt(Watch &watch, qsizetype end);
    void onRowsInserted();

    QPointer<QAbstractItemModel> m_model;
    std::vector<Watch> m_watches;
    int m_nextId = 1;
    int m_clears = 0;
    struct Follower
    {
        qsizetype next;
        std::function<void(const QString &line)> each;
    };
    std::vector<Follower> m_followers;
};

} // namespace consolescript
