#pragma once

#include <QList>
#include <QPointer>
#include <QString>
#include <QVector>

class QMessageBox;
class QWidget;

// The boxes in which the window shows the service's own messages. A service that
// floods messages gets a few boxes, never one per message: beyond them, texts join
// the newest box, and beyond its share they are only counted.
class ServiceMessageBoxes
{
public:
    explicit ServiceMessageBoxes(QWidget* parent);

    void show(const QVector<QString>& texts);

    static constexpr int maxBoxes = 3;
    static constexpr int maxTextsPerBox = 10;
    // How far each further box opens down and right of the one before.
    static constexpr int offset = 32;

private:
    void join(QMessageBox* box, const QVector<QString>& texts);

    QWidget* parent;
    // Open boxes, oldest first.
    QList<QPointer<QMessageBox>> boxes;
};
