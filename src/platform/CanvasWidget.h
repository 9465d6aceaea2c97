#pragma once

#include <QFrame>

class PictureBox;

// The sunken frame that shows a PictureBox and reports presses on its inner
// area in whole logical pixels.
class CanvasWidget : public QFrame
{
    Q_OBJECT

public:
    explicit CanvasWidget(PictureBox *picture);

    // Converts a position in the widget to picture coordinates.
    QPoint toPicture(QPoint widgetPos) const { return widgetPos - contentsRect().topLeft(); }

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void showDamage(const QRect &pictureArea);
    void fitPicture();

    PictureBox *m_picture;
};
