// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QProxyStyle>

// The application's style with the sizes of what it draws beside the text
// (scroll bars and their arrows, check marks, icons, sliders) and the
// margins and spacing of its layouts times a factor, so that they grow with
// the text at a zoom. Frames and the thin lines of edges keep their width.
class ZoomedStyle : public QProxyStyle
{
    Q_OBJECT

public:
    // Over a new instance of the style named `base`.
    explicit ZoomedStyle(const QString &base);

    qreal factor() const { return m_factor; }
    // Every widget is told that its style's sizes changed.
    void setFactor(qreal factor);

    int pixelMetric(PixelMetric metric, const QStyleOption *option = nullptr,
                    const QWidget *widget = nullptr) const override;

private:
    qreal m_factor = 1;
};
