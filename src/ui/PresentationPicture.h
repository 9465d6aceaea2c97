// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>
#include <QImage>
#include <QPointF>
#include <QRectF>

#include <memory>
#include <vector>

class Board;
class LabelRoom;
class PresentationLayout;
class QPainter;
struct FanTriangle;

// The board's figure as the presentation shows it, drawn once a figure at
// the screen's size: thick sides, the fan's diagonals in one dashed
// pattern in a colour, large dots, and the vertices' numbers placed as on
// the printed sheets, clear of every dot, line and other number, where
// they have room. A step draws over it its triangle or the total's
// shading, and the numbers of the vertices it names: each where the
// picture has it, or else in the nearest clear place on the screen, or
// else beside its dot on a ground of its own, over the lines.
class PresentationPicture
{
public:
    PresentationPicture();
    ~PresentationPicture();

    bool isDrawn() const { return !m_image.isNull(); }
    void forget() { m_image = {}; }
    // On a screen of `size`, laid out by `layout`, at `ratio` device pixels
    // a pixel, the numbers in the face of `font`.
    void draw(const Board &board, const PresentationLayout &layout, QSize size, qreal ratio, const QFont &font);
    const QImage &image() const { return m_image; }

    // Where the numbers of `named` vertices, by number, stand on the screen.
    struct NamedNumber {
        int number;
        QRectF box;
        enum Where { OnPicture, Clear, OverLines } where;
    };
    std::vector<NamedNumber> placesOf(const std::vector<int> &named) const;
    // Those not on the picture, and in bold where `bold` all of them.
    void paintNumbers(QPainter &painter, const std::vector<int> &named, bool bold) const;
    // The triangle in the lesson's mark colour under the lines.
    void paintTriangle(QPainter &painter, const FanTriangle &triangle) const;
    // The fan's triangles shaded as the report's total line marks them on
    // the canvas: darker where two or more overlap, which is where the
    // total counts a pixel more than once.
    void paintTotal(QPainter &painter, const Board &board);

private:
    QSizeF numberSize(int number) const;
    void paintNumber(QPainter &painter, const QRectF &box, int number) const;
    QPointF onScreen(QPointF pixel) const;

    QImage m_image;
    QRectF m_pictureArea;
    QRectF m_labelArea;
    qreal m_scale = 1;
    QFont m_numberFont;
    std::vector<QSizeF> m_numberSizes;  // by the count of digits, in bold
    std::unique_ptr<LabelRoom> m_room;
    std::vector<QRectF> m_numberPlaces; // on the picture, null where left out
    QImage m_totalShading;              // in the picture's pixels, made when the total is first shown
};
