// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MenuBarKeyboard.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QProxyStyle>
#include <QStyleOptionMenuItem>

namespace {

// The application's style, with the menu bar's current item drawn as
// pressed while the menu bar has the focus: the look the style gives the
// item whose menu is open.
class KeyboardItemStyle : public QProxyStyle
{
public:
    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget) const override
    {
        const auto *item = qstyleoption_cast<const QStyleOptionMenuItem *>(option);
        if (element == CE_MenuBarItem && item && widget && widget->hasFocus() && (item->state & State_Selected)) {
            QStyleOptionMenuItem marked(*item);
            marked.state |= State_Sunken;
            QProxyStyle::drawControl(element, &marked, painter, widget);
            return;
        }
        QProxyStyle::drawControl(element, option, painter, widget);
    }
};

} // namespace

MenuBarKeyboard::MenuBarKeyboard(QMenuBar *bar)
    : QObject(bar), m_bar(bar)
{
    auto *style = new KeyboardItemStyle;
    style->setParent(bar);
    bar->setStyle(style);

    auto *f10 = new QAction(this);
    f10->setShortcut(Qt::Key_F10);
    bar->window()->addAction(f10);
    connect(f10, &QAction::triggered, this, &MenuBarKeyboard::tapAlt);
}

// The press and release of Alt alone, as the menu bar watches for them in
// its window: it takes the focus, or gives it back when it has it.
void MenuBarKeyboard::tapAlt()
{
    QWidget *window = m_bar->window();
    QKeyEvent press(QEvent::ShortcutOverride, Qt::Key_Alt, Qt::NoModifier); // the key's own modifier is implied
    QCoreApplication::sendEvent(window, &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Alt, Qt::AltModifier);
    QCoreApplication::sendEvent(window, &release);
}
