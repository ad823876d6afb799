#include "logtablemodel.h"

#include <QStandardItem>
#include <QStandardItemModel>

LogTableModel::LogTableModel(int rows, int columns, QObject* parent)
    : QAbstractTableModel(parent), rows(qMax(0, rows)), columns(qMax(0, columns))
{
}

LogTableModel::LogTableModel(const LogPage& page, QObject* parent)
    : QAbstractTableModel(parent), page(page), rows(page.rowCount()), columns(page.columnCount)
{
}

LogTableModel::~LogTableModel()
{
    delete headerModel;            // with every header item, once each
    for (const auto& cell : items) // row by row, left to right
        delete cell.second;
}

int LogTableModel::rowCount(const QModelIndex&) const
{
    return rows;
}

int LogTableModel::columnCount(const QModelIndex&) const
{
    return rows == 0 ? 0 : columns;
}

QVariant LogTableModel::data(const QModelIndex& index, int role) const
{
    if (role == Qt::UserRole)
        return QVariant::fromValue<QObject*>(headerModel);
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole)
        return QVariant();
    const int row = index.row();
    const int column = index.column();
    if (row < 0 || row >= rows || column < 0 || column >= columns)
        return QVariant();
    if (!items.empty()) {
        const auto found = items.find({row, column});
        if (found != items.end())
            return role == Qt::DisplayRole ? found->second->data(Qt::DisplayRole).toString() : QVariant();
    }
    if (row >= page.rowCount())
        return QVariant();
    if (role == Qt::ToolTipRole) {
        // Only a cell shown cut has more to tell.
        if (page.cellLength(row, column) <= LogPage::shownLength)
            return QVariant();
        return page.cell(row, column, LogPage::tipLength);
    }
    const QString text = page.cell(row, column, LogPage::shownLength);
    if (!text.isNull())
        return text;
    return QVariant();
}

void LogTableModel::setHeaderModel(QStandardItemModel* model)
{
    if (model == headerModel)
        return;
    delete headerModel;
    headerModel = model;
}

QStandardItem* LogTableModel::setItem(int row, int column, QStandardItem* item)
{
    if (row < 0 || row >= rows || column < 0 || column >= columns) {
        delete item;
        return nullptr;
    }
    if (!item) { // an empty cell
        const auto found = items.find({row, column});
        if (found != items.end()) {
            delete found->second;
            items.erase(found);
        }
        return nullptr;
    }
    QStandardItem*& cell = items[{row, column}];
    if (cell != item) {
        delete cell; // a cell is filled once; a second item replaces the first
        cell = item;
    }
    return item;
}
