// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFrame>
#include <QImage>
#include <QList>
#include <QRect>
#include <QVector>

// The white drawing board: a sunken frame whose inner area shows a picture
// that keeps what is drawn on it until it is cleared.
//
// Coordinates are logical pixels from the top-left corner of the inner area.
// The picture is kept at the screen's device pixel ratio, so that it stays
// crisp on high-DPI screens. Dots and one-pixel lines are written straight
// into the picture: a polygon of 32,767 vertices draws 65,000 lines, and a
// painter's dashed lines cost ten times as much.
//
// On the focused canvas the arrow keys move a crosshair (1 pixel, 10 with
// Shift), and Space or Enter presses the left button there. The crosshair and
// a focus frame are the keyboard user's marks: they show while the canvas has
// the focus from the keyboard (Tab, Shift+Tab) or after an arrow key, never
// after a mouse press, and are drawn over the picture, never into it.
//
// Ctrl+C copies the picture to the clipboard as an image; Ctrl+V asks for
// the clipboard's text to be placed, which is the board's business.
class Canvas : public QFrame
{
    Q_OBJECT

public:
    enum class LineStyle { Solid, Dash, Dot, DashDot };

    explicit Canvas(QWidget *parent = nullptr);

    // Erases the picture to white.
    void clear();
    // A round dot `width` pixels across, centred on the pixel at `centre`.
    void drawDot(QPointF centre, int width, const QColor &colour);
    // The same for many dots at once, as fast as the pixels can be written.
    void drawDots(const QList<QPointF> &centres, int width, const QColor &colour);
    // A line with both end pixels; wider than one pixel it is solid.
    void drawLine(QPointF from, QPointF to, int width, LineStyle style, const QColor &colour);

    // The picture as it stands, at the device pixel ratio.
    const QImage &picture() const { return m_picture; }
    // The inner area, in its own coordinates: where a press places a vertex.
    QRect area() const { return QRect(QPoint(0, 0), m_size); }
    // The picture onto the clipboard, exactly as drawn.
    void copyPicture() const;

    QPoint crosshair() const { return m_crosshair; }
    // Whether the focus frame and the crosshair are shown.
    bool showsKeyboardMarks() const { return hasFocus() && m_keyboardInUse; }
    // Moves the crosshair, kept inside the picture.
    void setCrosshair(QPoint position);
    // The crosshair at the centre of the picture, also when its size changes.
    void centreCrosshair();

signals:
    // A mouse button was pressed on the inner area, at a whole pixel.
    void pressed(QPoint position, Qt::MouseButton button);
    // Ctrl+V on the canvas.
    void pasteRequested();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    // The pixels of a dot, from the top-left corner of its box.
    struct DotStamp {
        int width = 0;
        qreal ratio = 0;
        QPointF fraction;
        qsizetype stride = 0;
        QSize box;
        QVector<QPoint> pixels;
        QVector<qsizetype> offsets; // the same pixels in the picture's memory

        bool fits(int w, qreal r, QPointF f, qsizetype s) const
        {
            // Exactly the same fraction: QPointF's own == is fuzzy.
            return width == w && ratio == r && fraction.x() == f.x() && fraction.y() == f.y() && stride == s;
        }
    };

    void fitPicture();
    void plotDots(const QPointF *centres, qsizetype count, int width, const QColor &colour);
    void moveCrosshair(QPoint position);
    void setKeyboardInUse(bool inUse);
    QRect crosshairArea() const;
    void paintFocus(QPainter &painter);
    const DotStamp &stampFor(int width, qreal ratio, QPointF fraction);
    void drawThinLine(QPoint from, QPoint to, LineStyle style, QRgb pixel);
    void drawWideLine(QPointF from, QPointF to, int width, const QColor &colour);
    void fillLogicalPixel(int x, int y, QRgb pixel);
    void damage(const QRect &area);
    void showDamage();

    QSize m_size; // of the picture, in logical pixels
    QImage m_picture;
    QRect m_damage;
    QPoint m_crosshair;
    bool m_crosshairCentred = true;
    bool m_keyboardInUse = false; // the focus came by the keyboard, or an arrow key was pressed
    DotStamp m_stamp;
};
