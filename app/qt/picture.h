#pragma once

#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QString>

namespace vondrel::host {

// Reads one of the compiled-in pictures, all of them PNG. A file named
// "@2x" before the extension comes with the device pixel ratio 2.
QImage ReadPicture(const QString& path);

// A picture control: shows a compiled-in picture at its design size. On a
// high-density screen it draws the copy made at twice the resolution, named
// like the picture with "@2x" before the extension, at the screen's own
// resolution, so that the picture stays sharp at any scale.
class Picture : public QLabel {
    Q_OBJECT
    Q_PROPERTY(QString source READ source WRITE setSource)

public:
    explicit Picture(QWidget* parent = nullptr);

    QString source() const;
    void setSource(const QString& path);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const QPixmap& PixmapForRatio(qreal ratio);

    QString source_;
    // The high-resolution copy as last drawn, at that screen's ratio.
    QPixmap sharp_;
};

}  // namespace vondrel::host
