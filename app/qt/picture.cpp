#include "app/qt/picture.h"

#include <QImageReader>
#include <QPainter>
#include <QStyle>

namespace vondrel::host {

namespace {

QString HighResolutionPath(const QString& path)
{
    QString highResolution = path;
    const qsizetype dot = path.lastIndexOf(u'.');
    return highResolution.insert(dot < 0 ? path.size() : dot, QStringLiteral("@2x"));
}

}  // namespace

QImage ReadPicture(const QString& path)
{
    // Qt decodes PNG itself, but a reader left to detect the format loads
    // every image-format plugin to ask it first; told the format, it loads
    // none.
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

Picture::Picture(QWidget* parent) : QLabel(parent) {}

QString Picture::source() const
{
    return source_;
}

void Picture::setSource(const QString& path)
{
    source_ = path;
    sharp_ = QPixmap();
    setPixmap(QPixmap::fromImage(ReadPicture(path)));
}

void Picture::paintEvent(QPaintEvent* event)
{
    const qreal ratio = devicePixelRatioF();
    if (ratio <= 1.0 || PixmapForRatio(ratio).isNull()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    style()->drawItemPixmap(&painter, contentsRect(), QStyle::visualAlignment(layoutDirection(), alignment()),
                            sharp_);
}

const QPixmap& Picture::PixmapForRatio(qreal ratio)
{
    if (!sharp_.isNull() && qFuzzyCompare(sharp_.devicePixelRatio(), ratio))
        return sharp_;
    // The reader takes the ratio 2 from the file's name.
    QImage image = ReadPicture(HighResolutionPath(source_));
    if (!image.isNull() && !qFuzzyCompare(image.devicePixelRatio(), ratio)) {
        // Palette images, as the pictures are, are converted first: scaling
        // one of ratio 2 smoothly crashes Qt 6.4.2, and in 6.8.2 gives
        // pixels other than the converted image's.
        image.convertTo(QImage::Format_ARGB32_Premultiplied);
        // Resampled once to the screen's own pixels, so that painting copies
        // it without scaling again.
        image = image.scaled((QSizeF(pixmap().size()) * ratio).toSize(), Qt::IgnoreAspectRatio,
                             Qt::SmoothTransformation);
        image.setDevicePixelRatio(ratio);
    }
    sharp_ = QPixmap::fromImage(std::move(image));
    return sharp_;
}

}  // namespace vondrel::host
