#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

class QListWidget;
class QWidget;

// An unsorted, single-selection list of texts, with the selection rules the
// program relies on:
//  - AddItem appends and never changes the selection;
//  - removing the selected row leaves no row selected (the view does not
//    move the selection on to a neighbour);
//  - List() of a row that does not exist is the empty text;
//  - Click is raised whenever the selected row changes to a row, by the user
//    (mouse or keyboard) or by SetListIndex, synchronously; assigning the row
//    that is already selected raises nothing.
class ListBox : public QObject
{
    Q_OBJECT

public:
    explicit ListBox(QObject *parent = nullptr);
    ~ListBox() override;

    void AddItem(const QString &text);
    void AddItems(const QStringList &texts); // as AddItem of each, in one go
    void RemoveItem(int row);
    void Clear();

    QString List(int row) const;
    int ListCount() const;
    QStringList Items() const;

    int ListIndex() const;
    void SetListIndex(int row);

    // The view, to be placed on a window; the list keeps working without it
    // being shown.
    QListWidget *widget() const;

signals:
    void Click();

private:
    void onSelectionChanged();

    QPointer<QListWidget> m_view;
    bool m_quiet = false; // the selection is changed by the list itself
};
