// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ApplicationZoom.h"

#include "ZoomedStyle.h"

#include <QApplication>
#include <QPointer>
#include <QStyle>

#include <algorithm>
#include <cmath>

namespace {

// The kinds of widget a platform gives fonts of their own (Windows: menus,
// tooltips, message boxes, item views), as Qt names them.
const char *const FontedKinds[] = {"QMenu", "QMenuBar", "QMenuItem", "QMessageBox", "QLabel", "QTipLabel",
                                   "QStatusBar", "QMdiSubWindowTitleBar", "QDockWidgetTitle", "QPushButton",
                                   "QCheckBox", "QRadioButton", "QToolButton", "QAbstractItemView", "QListView",
                                   "QHeaderView", "QListBox", "QComboMenuItem", "QComboLineEdit", "QSmallFont",
                                   "QMiniFont"};

} // namespace

QFont ApplicationZoom::zoomed(QFont font, qreal factor)
{
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * factor);
    else if (font.pixelSize() > 0)
        font.setPixelSize(std::max(1, int(std::lround(font.pixelSize() * factor))));
    return font;
}

ApplicationZoom &ApplicationZoom::instance()
{
    static QPointer<ApplicationZoom> zoom;
    if (!zoom)
        zoom = new ApplicationZoom(qApp);
    return *zoom;
}

ApplicationZoom::ApplicationZoom(QObject *parent)
    : QObject(parent), m_default(QApplication::font())
{
    for (const char *kind : FontedKinds)
        if (const QFont font = QApplication::font(kind); font != m_default)
            m_kinds.emplace_back(kind, font);
    // The style chosen (the system's, or by -style) with its sizes zoomed.
    m_style = new ZoomedStyle(QApplication::style()->name());
    QApplication::setStyle(m_style);
}

void ApplicationZoom::setPercent(int percent)
{
    if (percent == m_percent)
        return;
    m_percent = percent;
    apply();
}

void ApplicationZoom::setFontOf(const char *className, const QFont &font)
{
    const auto kind = std::find_if(m_kinds.begin(), m_kinds.end(), [className](const auto &k) { return k.first == className; });
    if (kind != m_kinds.end())
        kind->second = font;
    else
        m_kinds.emplace_back(className, font);
    QApplication::setFont(zoomed(font, m_percent / 100.0), className);
}

// The default font first: setting it forgets the kinds' own.
void ApplicationZoom::apply()
{
    const qreal factor = m_percent / 100.0;
    QApplication::setFont(zoomed(m_default, factor));
    for (const auto &[kind, font] : m_kinds)
        QApplication::setFont(zoomed(font, factor), kind.constData());
    m_style->setFactor(factor);
}
