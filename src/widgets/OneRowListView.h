// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QListView>

// A list one row high: every row is exactly as high as the list's inside,
// whatever its text, so the list shows one whole row and nothing of the
// next, and scrolls by whole rows.
//
// The left button picks a row; the right one only opens the context menu,
// which must not change the selection it acts on.
class OneRowListView : public QListView
{
    Q_OBJECT

public:
    explicit OneRowListView(QWidget *parent = nullptr);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
};
