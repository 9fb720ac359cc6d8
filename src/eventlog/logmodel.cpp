#include "logmodel.h"

#include <QBrush>
#include <QColor>
#include <limits>

namespace eventlog {

LogModel::LogModel(QObject *parent) : QAbstractListModel(parent) {}

void LogModel::append(QStringView line)
{
    if (m_store.size() == std::numeric_limits<int>::max())
        return; // a view cannot address more rows
    m_store.append(line);
    if (!m_announcementQueued) {
        m_announcementQueued = true;
        QMetaObject::invokeMethod(this, &LogModel::announcePending, Qt::QueuedConnection);
    }
}

void LogModel::announcePending()
{
    m_announcementQueued = false;
    const int stored = static_cast<int>(m_store.size());
    if (stored == m_announced)
        return;
    beginInsertRows({}, m_announced, stored - 1);
    m_announced = stored;
    endInsertRows();
}

void LogModel::clear()
{
    beginResetModel();
    m_store.clear();
    m_announced = 0;
    endResetModel();
}

void LogModel::setHighlight(const Needle &needle)
{
    m_highlight = needle;
}

int LogModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_announced;
}

QVariant LogModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_announced)
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return m_store.line(index.row());
    case Qt::BackgroundRole:
        if (m_highlight.foundIn(m_store.utf8(index.row())))
            return QBrush(QColor(255, 226, 110));
        return {};
    case Qt::ForegroundRole:
        if (m_highlight.foundIn(m_store.utf8(index.row())))
            return QBrush(Qt::black);
        return {};
    default:
        return {};
    }
}

Qt::ItemFlags LogModel::flags(const QModelIndex &index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren : Qt::NoItemFlags;
}

} // namespace eventlog
