#pragma once

#include "common/eventhistory.h"

#include <QAbstractListModel>
#include <QString>

// The history list's rows: either one line of the dialog's own (while the
// history is awaited, or when the device has none) or the records of one
// history value, whose texts are made as the view asks for them. Read-only.
class EventHistoryModel : public QAbstractListModel
{
public:
    explicit EventHistoryModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    // Shows `text` as the only row.
    void setNotice(const QString& text);
    void setHistory(const EventHistory& history);
    // Whether a notice is shown rather than a history.
    bool showsNotice() const { return !notice.isNull(); }

private:
    QString notice;
    EventHistory history;
};
