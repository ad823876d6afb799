#include "eventhistorymodel.h"

EventHistoryModel::EventHistoryModel(QObject* parent) : QAbstractListModel(parent) {}

int EventHistoryModel::rowCount(const QModelIndex& parent) const
{
    if (parent.isValid())
        return 0;
    return showsNotice() ? 1 : history.size();
}

QVariant EventHistoryModel::data(const QModelIndex& index, int role) const
{
    // The tooltip holds the whole row, for one longer than the list is wide.
    if ((role != Qt::DisplayRole && role != Qt::ToolTipRole) || !index.isValid() || index.row() >= rowCount())
        return QVariant();
    return showsNotice() ? notice : history.row(index.row());
}

void EventHistoryModel::setNotice(const QString& text)
{
    beginResetModel();
    notice = text.isNull() ? QLatin1String("") : text;
    history = EventHistory();
    endResetModel();
}

void EventHistoryModel::setHistory(const EventHistory& newHistory)
{
    beginResetModel();
    notice = QString();
    history = newHistory;
    endResetModel();
}
