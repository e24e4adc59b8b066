#pragma once

#include <QImage>
#include <QWidget>

// Shows a picture at its exact pixel size, or nothing (the tab's background shows through).
class PictureBox : public QWidget
{
    Q_OBJECT

public:
    PictureBox(QSize size, QWidget *parent);

    void setImage(const QImage &image);
    const QImage &image() const { return m_image; }
    bool hasPicture() const { return !m_image.isNull(); }
    void clear();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage m_image;
};
