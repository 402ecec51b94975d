#pragma once
// A filled oval with a thin black outline, the look of the progress bars.

#include <QColor>
#include <QWidget>

namespace velk {

class ShapeWidget : public QWidget {
    Q_OBJECT
public:
    explicit ShapeWidget(QWidget *parent = nullptr);

    void setFill(const QColor &fill);
    QColor fill() const { return fill_; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor fill_ = Qt::white;
};

}  // namespace velk
