#include "logwatcher.h"

#include <QAbstractItemView>
#include <QCoreApplication>

namespace consolescript {

QString LinePattern::describe() const
{
    if (!part)
        return QStringLiteral("\"%1\"").arg(whole);
    QString flags;
    if (part->patternOptions() & QRegularExpression::CaseInsensitiveOption)
        flags += QLatin1Char('i');
    if (part->patternOptions() & QRegularExpression::MultilineOption)
        flags += QLatin1Char('m');
    return QStringLiteral("/%1/%2").arg(part->pattern(), flags);
}

LogWatcher::LogWatcher(QAbstractItemView &view) : m_model(view.model())
{
    connect(m_model, &QAbstractItemModel::rowsInserted, this, &LogWatcher::onRowsInserted);
    // "Clear" empties the log: every watch starts again from its first row.
    connect(m_model, &QAbstractItemModel::modelReset, this, [this] {
        ++m_clears;
        for (Watch &watch : m_watches)
            watch.next = 0;
        for (Follower &follower : m_followers)
            follower.next = 0;
    });
}

qsizetype LogWatcher::count()
{
    if (!m_model)
        return 0;
    // A model may tell its views of new rows at the next turn of the event loop; a script reads them now.
    QCoreApplication::sendPostedEvents(m_model, QEvent::MetaCall);
    return m_model->rowCount();
}

QStringList LogWatcher::lines(qsizetype from, qsizetype to)
{
    QStringList result;
    to = std::min(to, count());
    for (qsizetype row = std::max<qsizetype>(from, 0); row < to; ++row)
        result << m_model->index(static_cast<int>(row), 0).data().toString();
    return result;
}

void LogWatcher::lookAt(Watch &watch, qsizetype end)
{
    for (; watch.next < end; ++watch.next) {
        const QString line = m_model->index(static_cast<int>(watch.next), 0).data().toString();
        if (watch.pattern.matches(line)) {
            auto found = std::move(watch.found);
            const int id = watch.id;
            unwatch(id);
            found(line);
            return;
        }
    }
}

int LogWatcher::watch(LinePattern pattern, qsizetype from, std::function<void(const QString &line)> found)
{
    const int id = m_nextId++;
    const qsizetype end = count(); // before the watch exists: rows this announces are looked at below
    m_watches.push_back({id, std::move(pattern), std::max<qsizetype>(from, 0), std::move(found)});
    lookAt(m_watches.back(), end);
    return id;
}

void LogWatcher::unwatch(int id)
{
    std::erase_if(m_watches, [id](const Watch &watch) { return watch.id == id; });
}

void LogWatcher::follow(std::function<void(const QString &line)> each)
{
    m_followers.push_back({count(), std::move(each)});
}

void LogWatcher::onRowsInserted()
{
    const qsizetype end = m_model->rowCount();
    for (Follower &follower : m_followers)
        for (; follower.next < end; ++follower.next)
            follower.each(m_model->index(static_cast<int>(follower.next), 0).data().toString());
    for (size_t k = m_watches.size(); k-- > 0;)
        if (k < m_watches.size())
            lookAt(m_watches[k], end);
}

} // namespace consolescript
