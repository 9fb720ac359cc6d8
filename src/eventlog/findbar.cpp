#include "findbar.h"


#include <QAbstractItemView>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

namespace eventlog {

namespace {
// Rows looked at per turn of the event loop: a few milliseconds of work on 40-character lines.
constexpr qsizetype RowsPerSlice = 200'000;

QToolButton *makeToolButton(QWidget *parent, const QString &name, const QString &text, const QString &accessible)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(name);
    button->setText(text);
    button->setToolTip(accessible);
    button->setAccessibleName(accessible);
    button->setAutoRaise(true);
    return button;
}
} // namespace

FindBar::FindBar(QAbstractItemView &view, FindTarget &target) : QFrame(&view), m_view(view), m_target(target)
{
    setObjectName(QStringLiteral("findBar"));
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Window);
    m_text = new QLineEdit(this);
    m_text->setObjectName(QStringLiteral("txtFind"));
    m_text->setAccessibleName(tr("Find in log"));
    m_text->setPlaceholderText(tr("Find"));
    m_text->setClearButtonEnabled(false);
    m_text->installEventFilter(this);
    auto *previous = makeToolButton(this, QStringLiteral("cmdFindPrevious"), QStringLiteral("▲"),
                                    tr("Find previous (Shift+Enter)"));
    auto *next = makeToolButton(this, QStringLiteral("cmdFindNext"), QStringLiteral("▼"), tr("Find next (Enter)"));
    auto *closeButton = makeToolButton(this, QStringLiteral("cmdFindClose"), QStringLiteral("✕"),
                                       tr("Close the find bar (Escape)"));
    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("lblFindStatus"));
    m_status->hide();

    auto *row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(1);
    row->addWidget(m_text, 1);
    row->addWidget(previous);
    row->addWidget(next);
    row->addWidget(closeButton);
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(3, 3, 3, 3);
    column->setSpacing(2);
    column->addLayout(row);
    column->addWidget(m_status);

    connect(m_text, &QLineEdit::textEdited, this, &FindBar::textEdited);
    connect(previous, &QToolButton::clicked, this, &FindBar::findPrevious);
    connect(next, &QToolButton::clicked, this, &FindBar::findNext);
    connect(closeButton, &QToolButton::clicked, this, &FindBar::close);
    m_search.setInterval(0);
    connect(&m_search, &QTimer::timeout, this, &FindBar::searchSlice);
    hide();
}

void FindBar::open(const QString &text)
{
    if (!text.isEmpty())
        m_text->setText(text);
    show();
    place();
    raise();
    m_text->setFocus(Qt::ShortcutFocusReason);
    m_text->selectAll();
    if (!text.isEmpty())
        startSearch(true, 0);
    else
        m_target.setHighlight(Needle(m_text->text()));
}

void FindBar::close()
{
    m_search.stop();
    showStatus({});
    hide();
    m_target.setHighlight(Needle());
    m_view.setFocus(Qt::OtherFocusReason);
}

QString FindBar::status() const
{
    return m_status->text();
}

void FindBar::place()
{
    const QRect area = m_view.viewport()->geometry();
    const int height = sizeHint().height();
    setGeometry(area.left(), area.bottom() + 1 - height, area.width(), height);
}

bool FindBar::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_text && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            if (key->modifiers() & Qt::ShiftModifier)
                findPrevious();
            else
                findNext();
            return true;
        }
        if (key->key() == Qt::Key_Escape) {
            close();
            return true;
        }
    }
    return QFrame::eventFilter(watched, event);
}

void FindBar::textEdited()
{
    startSearch(true, 0);
}

void FindBar::startSearch(bool forward, int offset)
{
    m_search.stop();
    m_needle = Needle(m_text->text());
    m_target.setHighlight(m_needle);
    const LineStore &store = m_target.linesToSearch();
    if (m_needle.isEmpty() || store.size() == 0) {
        showStatus(m_needle.isEmpty() ? QString() : tr("No match"));
        return;
    }
    const int current = m_view.currentIndex().row();
    const qsizetype rows = store.size();
    const qsizetype start = current < 0 ? (forward ? 0 : rows - 1) : current + offset;
    m_start = start; // one past either end when the search starts by wrapping round
    m_from = start;  // the store's search wraps it into range
    m_left = rows;
    m_forward = forward;
    m_generation = store.generation();
    searchSlice();
}

void FindBar::searchSlice()
{
    const LineStore &store = m_target.linesToSearch();
    if (store.generation() != m_generation || store.size() == 0) {
        m_search.stop();
        showStatus({});
        return;
    }
    const qsizetype rows = std::min(m_left, RowsPerSlice);
    const qsizetype found = store.find(m_needle, m_from, rows, m_forward);
    if (found >= 0) {
        m_search.stop();
        const bool wrapped = m_forward ? (m_start >= store.size() || found < m_start) : (m_start < 0 || found > m_start);
        showStatus(wrapped ? tr("Wrapped") : QString());
        (void)m_target.linesToSearch(); // the row found is announced before it is shown
        m_target.showRow(static_cast<int>(found));
        return;
    }
    m_left -= rows;
    m_from += m_forward ? rows : -rows;
    if (m_left <= 0) {
        m_search.stop();
        showStatus(tr("No match"));
        return;
    }
    showStatus(tr("Searching…"));
    if (!m_search.isActive())
        m_search.start();
}

void FindBar::showStatus(const QString &status)
{
    m_status->setText(status);
    m_status->setVisible(!status.isEmpty());
    if (isVisible())
        place();
}

} // namespace eventlog
