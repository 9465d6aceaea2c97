// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFontMetricsF>
#include <QHash>
#include <QStringView>

class QFont;
class QPaintDevice;

// The widths of lines of text as the sums of their characters' advances, so
// that a line sure to fit on one row is measured without laying it out: a
// full board's report is 131,000 lines, nearly all of them short.
class QuickWidths
{
public:
    QuickWidths(const QFont &font, QPaintDevice *device) : m_metrics(font, device) {}

    // Whether the line fits in `width` on one row with room to spare for
    // kerning, every character of it in the font itself.
    bool fitOnOneRow(QStringView line, qreal width) const;

private:
    QFontMetricsF m_metrics;
    mutable QHash<char16_t, qreal> m_advances; // -1 for a character to lay out
};
