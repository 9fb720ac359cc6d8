#pragma once
// The event log as a list model over a LineStore. Lines are stored at once; views hear of them once per turn
// of the event loop, in one insertion, however many lines arrived during that turn.
#include "linestore.h"

#include <QAbstractListModel>

namespace eventlog {

class LogModel : public QAbstractListModel
{
    Q_OBJECT
public:
    explicit LogModel(QObject *parent = nullptr);

    void append(QStringView line);
    void clear();
    // Tells the views about lines stored but not announced yet (normally done at the next turn).
    void announcePending();

    // Lines containing the needle are shown marked; an empty needle marks none.
    void setHighlight(const Needle &needle);
    [[nodiscard]] const Needle &highlight() const { return m_highlight; }

    [[nodiscard]] const LineStore &store() const { return m_store; }

    [[nodiscard]] int rowCount(const QModelIndex &parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    [[nodiscard]] Qt::ItemFlags flags(const QModelIndex &index) const override;

private:
    LineStore m_store;
    int m_announced = 0;
    bool m_announcementQueued = false;
    Needle m_highlight;
};

} // namespace eventlog
