#include "chart/core/TeeBitmaps.h"

#include <QFile>
#include <QGuiApplication>
#include <QPixmap>

#include "platform/ClassRegistry.h"
#include "platform/Persistent.h"
#include "platform/graphics/Cursors.h"

namespace {

// The resource path of a bitmap name, whichever image format it was stored in.
QString FindBitmapResource(const QString& name)
{
    if (name.isEmpty())
        return QString();
    static const char* const extensions[] = {".png", ".xpm", ".bmp"};
    for (const char* ext : extensions) {
        const QString path = QStringLiteral(":/chart/") + name + QLatin1String(ext);
        if (QFile::exists(path))
            return path;
    }
    return QString();
}

} // namespace

bool TeeLoadBitmap(QImage& bitmap, const QString& name1, const QString& name2)
{
    for (const QString& name : {name1, name2}) {
        const QString path = FindBitmapResource(name);
        QImage image;
        if (!path.isEmpty() && image.load(path)) {
            bitmap = image;
            return true;
        }
    }
    return false;
}

bool TeeGetBitmapEditor(const TObject* object, QImage& bitmap)
{
    if (!object)
        return false;
    const QString name = object->ClassName();
    QString parentName;
    if (TPersistentClass info = GetClass(name))
        parentName = info->ParentName;
    return TeeLoadBitmap(bitmap, name, parentName);
}

// The slots are the screen's own, so that a control showing a slot's id shows that cursor.
QCursor TeeScreenCursor(int id)
{
    return HasScreenCursor(static_cast<TCursor>(id)) ? ScreenCursor(static_cast<TCursor>(id))
                                                     : QCursor(Qt::ArrowCursor);
}

void TeeSetScreenCursor(int id, const QCursor& cursor)
{
    SetScreenCursor(static_cast<TCursor>(id), cursor);
}

void TeeClearScreenCursor(int id)
{
    ClearScreenCursor(static_cast<TCursor>(id));
}

bool TeeHasScreenCursor(int id)
{
    return HasScreenCursor(static_cast<TCursor>(id));
}

QCursor TeeLoadHandCursor()
{
    // Pixmaps need the GUI application; without one the system hand serves.
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return QCursor(Qt::PointingHandCursor);
    const QString path = FindBitmapResource(QStringLiteral("TEE_CURSOR_HAND"));
    QPixmap pixmap;
    if (path.isEmpty() || !pixmap.load(path))
        return QCursor(Qt::PointingHandCursor);
    // The tip of the index finger is the hot spot.
    return QCursor(pixmap, 5, 0);
}
