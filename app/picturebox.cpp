#include "app/picturebox.h"

#include <QPainter>

PictureBox::PictureBox(QSize size, QWidget *parent) : QWidget(parent)
{
    setFixedSize(size);
}

void PictureBox::setImage(const QImage &image)
{
    m_image = image;
    update();
}

void PictureBox::clear()
{
    m_image = QImage();
    update();
}

void PictureBox::paintEvent(QPaintEvent *)
{
    if (m_image.isNull())
        return;
    QPainter painter(this);
    painter.drawImage(0, 0, m_image);
}
