#include "shape_widget.h"

#include <QPainter>

namespace velk {

ShapeWidget::ShapeWidget(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void ShapeWidget::setFill(const QColor &fill)
{
    if (fill_ == fill)
        return;
    fill_ = fill;
    update();
}

void ShapeWidget::paintEvent(QPaintEvent *)
{
    if (width() <= 0 || height() <= 0)
        return;
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(fill_);
    // Half a pixel in, so the outline stays inside the widget.
    p.drawEllipse(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
}

}  // namespace velk
