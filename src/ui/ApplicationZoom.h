// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QFont>
#include <QObject>

#include <utility>
#include <vector>

class ZoomedStyle;

// The zoom of everything the program opens beyond the main window's own
// controls: context menus, tooltips, message boxes and dialogs, the file
// dialog where it is the program's own, the help, working and practice
// windows, and the scroll bars everywhere. One mechanism for them all: the
// application's fonts, its default and those the system gives a kind of
// widget (menus, tooltips, message boxes), times the zoom, and the style's
// sizes beside the text (ZoomedStyle). A window opened later takes them as
// it is made; one already open follows at once.
//
// Fonts and style are the application's: there is one zoom for all its
// windows, kept by the application.
class ApplicationZoom : public QObject
{
    Q_OBJECT

public:
    // The application's one zoom; the first call takes its fonts as they
    // are, at 100 %.
    static ApplicationZoom &instance();

    int percent() const { return m_percent; }
    void setPercent(int percent);
    // A font `factor` times as large, in points or in pixels as it is set.
    static QFont zoomed(QFont font, qreal factor);

    // A kind of window in a face of its own (the practice's, in the main
    // window's face) zooms with the rest: `font` at 100 %.
    void setFontOf(const char *className, const QFont &font);

private:
    explicit ApplicationZoom(QObject *parent);
    void apply();

    int m_percent = 100;
    QFont m_default;
    std::vector<std::pair<QByteArray, QFont>> m_kinds; // at 100 %
    ZoomedStyle *m_style;
};
