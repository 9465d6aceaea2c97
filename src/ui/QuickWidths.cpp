// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "QuickWidths.h"

bool QuickWidths::fitOnOneRow(QStringView line, qreal width) const
{
    qreal sum = 0;
    for (const QChar c : line) {
        auto advance = m_advances.constFind(c.unicode());
        if (advance == m_advances.constEnd())
            advance = m_advances.insert(c.unicode(), c.isSurrogate() || !m_metrics.inFont(c) ? -1
                                                                                             : m_metrics.horizontalAdvance(c));
        if (*advance < 0)
            return false;
        sum += *advance;
    }
    return sum <= width * 0.95;
}
