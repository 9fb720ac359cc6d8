#pragma once
// The find bar laid over the bottom of the log: Enter finds the next line, Shift+Enter the previous one,
// Escape closes it. Matching lines are marked; the one found becomes the current, selected line.
// A long search runs in slices, so that the window stays responsive on millions of lines.
#include "linestore.h"

#include <QFrame>
#include <QTimer>

class QAbstractItemView;
class QLabel;
class QLineEdit;
class QToolButton;

namespace eventlog {

// What the bar searches and shows its finds in: the log view, which the bar knows only as this.
class FindTarget
{
public:
    virtual ~FindTarget() = default;
    // Every line stored, those not shown yet announced to the view first.
    [[nodiscard]] virtual const LineStore &linesToSearch() = 0;
    virtual void setHighlight(const Needle &needle) = 0;
    // Scrolls to the row and makes it the current, selected one.
    virtual void showRow(int row) = 0;
};

class FindBar : public QFrame
{
    Q_OBJECT
public:
    // Laid over the view's viewport; `target` is the view's search side.
    FindBar(QAbstractItemView &view, FindTarget &target);

    // Shows the bar with the focus in its text box; a non-empty text replaces what it held.
    void open(const QString &text = {});
    void close();
    void findNext() { startSearch(true, 1); }
    void findPrevious() { startSearch(false, -1); }

    // "" while nothing is to be said, otherwise what the last search found out (e.g. "No match").
    [[nodiscard]] QString status() const;

    // Places the bar over the bottom edge of the view's viewport.
    void place();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Looks from the current line moved by `offset` rows, in the given direction, wrapping round once.
    void startSearch(bool forward, int offset);
    void searchSlice();
    void textEdited();
    void showStatus(const QString &status);

    QAbstractItemView &m_view;
    FindTarget &m_target;
    QLineEdit *m_text = nullptr;
    QLabel *m_status = nullptr;
    QTimer m_search;
    Needle m_needle;
    qsizetype m_from = 0;
    qsizetype m_left = 0;
    qsizetype m_start = 0;
    bool m_forward = true;
    quint64 m_generation = 0;
};

} // namespace eventlog
