#include "values/pictures.h"

#include "values/errors.h"

#include <QEvent>
#include <QFile>
#include <QHash>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

#include <cmath>

namespace values {

namespace {

const char* const kPictureProperty = "picture";
const char* const kShownPictureProperty = "skhemarShownPicture";

// The pictures are built into the program: only a new installation mends a
// missing one.
QString MissingPicture(const QString& name)
{
    return QStringLiteral("Рисунок %1 не найден в программе: она собрана или установлена не полностью. "
                          "Переустановите Схемарь.").arg(name);
}

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
    QPixmap pixmap(QSize(qRound(size.width() * devicePixelRatio),
                         qRound(size.height() * devicePixelRatio)));
    pixmap.fill(Qt::transparent);
    {
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter);
    }
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return pixmap;
}

// Puts the picture named in the label's property on screen, rendering each
// picture once per pixel ratio (pages reload theirs at every opening).
void ShowPicture(QLabel* image)
{
    const QString name = image->property(kPictureProperty).toString();
    if (name.isEmpty() || image->property(kShownPictureProperty).toString() == name)
        return;
    static QHash<QString, QPixmap> cache;
    const qreal ratio = image->devicePixelRatioF();
    const QString key = name + QLatin1Char('@') + QString::number(ratio);
    auto cached = cache.constFind(key);
    if (cached == cache.constEnd())
        cached = cache.insert(key, Render(ResourcePath(name), ratio));
    image->setPixmap(*cached);
    image->setProperty(kShownPictureProperty, name);
}

// Most pictures sit on pages that are hidden at start-up: they are drawn
// when their image is first shown, which keeps the program's start quick.
class DeferredPictures : public QObject {
public:
    static DeferredPictures& instance()
    {
        static DeferredPictures filter;
        return filter;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show) {
            if (auto* image = qobject_cast<QLabel*>(watched)) {
                image->removeEventFilter(this);
                ShowPicture(image);
            }
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

void LoadPicture(QLabel* image, const QString& name)
{
    if (ResourcePath(name).isEmpty())
        throw ResourceError(MissingPicture(name));
    image->setProperty(kPictureProperty, name);
    if (image->isVisible())
        ShowPicture(image);
    else
        image->installEventFilter(&DeferredPictures::instance());
}

QSize PictureSize(const QString& name)
{
    static QHash<QString, QSize> sizes;
    const auto known = sizes.constFind(name);
    if (known != sizes.constEnd())
        return *known;
    const QString path = ResourcePath(name);
    if (path.isEmpty())
        throw ResourceError(MissingPicture(name));
    const QSize size = path.endsWith(QLatin1String(".svg")) ? QSvgRenderer(path).defaultSize()
                                                            : QPixmap(path).deviceIndependentSize().toSize();
    return sizes.insert(name, size).value();
}

QString PictureName(const QLabel* image)
{
    return image->property(kPictureProperty).toString();
}

void LoadBandPictures(QWidget* root, const QString& prefix)
{
    for (std::size_t i = 0; i < BandImageNames.size(); ++i) {
        const QString imageName = prefix + QString::number(i + 1);
        auto* image = root->findChild<QLabel*>(imageName);
        if (!image)
            throw ResourceError(
                QStringLiteral("На странице нет места для рисунка %1: программа собрана не полностью. "
                               "Переустановите Схемарь.").arg(imageName));
        LoadPicture(image, QString::fromLatin1(BandImageNames[i]));
    }
}

} // namespace values
