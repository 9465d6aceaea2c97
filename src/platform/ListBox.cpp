#include "platform/ListBox.h"

#include <QListWidget>
#include <QScopedValueRollback>

ListBox::ListBox(QObject *parent)
    : QObject(parent), m_view(new QListWidget)
{
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->setUniformItemSizes(true); // keeps layout cheap with 32,767 rows
    connect(m_view, &QListWidget::itemSelectionChanged, this, &ListBox::onSelectionChanged);
}

ListBox::~ListBox()
{
    delete m_view; // null once a window that adopted the view has deleted it
}

void ListBox::AddItem(const QString &text)
{
    if (!m_view)
        return;
    const QScopedValueRollback quiet(m_quiet, true);
    m_view->addItem(text);
}

void ListBox::AddItems(const QStringList &texts)
{
    if (!m_view || texts.isEmpty())
        return;
    const QScopedValueRollback quiet(m_quiet, true);
    m_view->addItems(texts);
}

void ListBox::RemoveItem(int row)
{
    if (!m_view || row < 0 || row >= ListCount())
        return;
    const QScopedValueRollback quiet(m_quiet, true);
    QListWidgetItem *const selected = m_view->item(ListIndex());
    QListWidgetItem *const removed = m_view->takeItem(row);
    // Removing the current row makes the view select a neighbour, even when
    // the current row was not selected; the selection stays where it was.
    if (selected && selected != removed) {
        if (!selected->isSelected())
            m_view->setCurrentItem(selected, QItemSelectionModel::ClearAndSelect);
    } else {
        m_view->clearSelection();
        m_view->setCurrentRow(-1, QItemSelectionModel::NoUpdate);
    }
    delete removed;
}

void ListBox::Clear()
{
    if (!m_view)
        return;
    const QScopedValueRollback quiet(m_quiet, true);
    m_view->clear();
}

QString ListBox::List(int row) const
{
    if (!m_view)
        return {};
    const QListWidgetItem *item = m_view->item(row);
    return item ? item->text() : QString();
}

int ListBox::ListCount() const
{
    return m_view ? m_view->count() : 0;
}

QStringList ListBox::Items() const
{
    QStringList texts;
    const int n = ListCount();
    texts.reserve(n);
    for (int row = 0; row < n; ++row)
        texts += m_view->item(row)->text();
    return texts;
}

int ListBox::ListIndex() const
{
    if (!m_view)
        return -1;
    const QList<QListWidgetItem *> selected = m_view->selectedItems();
    return selected.isEmpty() ? -1 : m_view->row(selected.first());
}

void ListBox::SetListIndex(int row)
{
    if (!m_view || row < -1 || row >= ListCount() || row == ListIndex())
        return;
    if (row == -1) {
        const QScopedValueRollback quiet(m_quiet, true);
        m_view->clearSelection();
        return;
    }
    // Raises Click through onSelectionChanged before returning.
    m_view->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
}

void ListBox::onSelectionChanged()
{
    if (!m_quiet && ListIndex() >= 0)
        emit Click();
}

QListWidget *ListBox::widget() const
{
    return m_view;
}
