#include "devicepicturelabel.h"

#include "common/upsmodelcatalogue.h"

#include <QPixmap>

void DevicePictureLabel::showModel(const QString& modelName)
{
    const QString name = devicePictureName(modelName);
    // Every status list reselects the current device: its picture is read once.
    if (name == shownName)
        return;
    shownName = name;
    // An empty name would name the folder itself.
    setPixmap(name.isEmpty() ? QPixmap() : QPixmap(QStringLiteral(":/devices/images/devices/") + name));
}
