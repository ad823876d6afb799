#pragma once

#include <QLabel>
#include <QString>

// The selected device's picture, by its model.
class DevicePictureLabel : public QLabel
{
    Q_OBJECT

public:
    using QLabel::QLabel;

    // An empty or unknown model shows none.
    void showModel(const QString& modelName);

private:
    QString shownName;
};
