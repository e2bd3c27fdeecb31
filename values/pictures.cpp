#include "values/pictures.h"

#include "values/errors.h"

#include <QFile>
#include <QHash>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

#include <cmath>

namespace values {

namespace {

QString ResourcePath(const QString& name)
{
    for (const char* suffix : {".svg", ".png"}) {
        const QString path = QStringLiteral(":/pictures/") + name + QLatin1String(suffix);
        if (QFile::exists(path))
            return path;
    }
    return {};
}

QPixmap Render(const QString& path, qreal devicePixelRatio)
{
    if (!path.endsWith(QLatin1String(".svg")))
        return QPixmap(path);
    QSvgRenderer renderer(path);
    const QSize size = renderer.defaultSize();
    QPixmap pixmap(QSize(static_cast<int>(std::ceil(size.width() * devicePixelRatio)),
                         static_cast<int>(std::ceil(size.height() * devicePixelRatio))));
    pixmap.fill(Qt::transparent);
    {
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter);
    }
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return pixmap;
}

} // namespace

void LoadPicture(QLabel* image, const QString& name)
{
    const QString path = ResourcePath(name);
    if (path.isEmpty())
        throw ResourceError(QStringLiteral("Ресурс %1 не найден").arg(name));

    // Pictures are reloaded at every opening of a page: render each once.
    static QHash<QString, QPixmap> cache;
    const qreal ratio = image->devicePixelRatioF();
    const QString key = name + QLatin1Char('@') + QString::number(ratio);
    auto cached = cache.constFind(key);
    if (cached == cache.constEnd())
        cached = cache.insert(key, Render(path, ratio));
    image->setPixmap(*cached);
    image->setProperty("picture", name);
}

QString PictureName(const QLabel* image)
{
    return image->property("picture").toString();
}

void LoadBandPictures(QWidget* root, const QString& prefix)
{
    for (std::size_t i = 0; i < BandImageNames.size(); ++i) {
        const QString imageName = prefix + QString::number(i + 1);
        auto* image = root->findChild<QLabel*>(imageName);
        if (!image)
            throw ResourceError(QStringLiteral("Изображение %1 не найдено").arg(imageName));
        LoadPicture(image, QString::fromLatin1(BandImageNames[i]));
    }
}

} // namespace values
