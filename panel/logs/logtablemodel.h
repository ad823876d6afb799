#pragma once

#include "common/logpage.h"

#include <QAbstractTableModel>
#include <map>
#include <utility>

class QStandardItem;
class QStandardItemModel;

// A fixed grid of text cells, filled once before it is shown, carrying the
// header model of its columns beside it: a header view asks for that at the
// invalid index under Qt::UserRole, so the table view needs only this model.
// A cell's text comes from its item, where one was set, or else from the log
// page the grid was made for. The model owns its items and the header model.
class LogTableModel : public QAbstractTableModel
{
public:
    LogTableModel(int rows, int columns, QObject* parent = nullptr);
    // The grid of a decoded page, whose cells it reads as they are asked for:
    // no item is made per cell, so a page of 10,000 rows shows at once.
    explicit LogTableModel(const LogPage& page, QObject* parent = nullptr);
    ~LogTableModel() override;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    // The columns of the grid, or 0 when it has no rows.
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    // Qt::UserRole: the header model (a QObject*, null before one is set), at any
    // index. Qt::DisplayRole: the cell's text, cut where it is very long;
    // nothing for a cell without one or outside the grid. Qt::ToolTipRole:
    // more of a page's cell that is shown cut.
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    // Takes the header model over; a model set before is deleted.
    void setHeaderModel(QStandardItemModel* model);
    // Stores `item` in the cell and takes it over, returning it. Outside the grid
    // the item is refused: deleted, and null returned. No signal is sent: the
    // grid is filled before it is shown.
    QStandardItem* setItem(int row, int column, QStandardItem* item);

private:
    QStandardItemModel* headerModel = nullptr;
    LogPage page;
    // Items by (row, column): only the cells that have one take room.
    std::map<std::pair<int, int>, QStandardItem*> items;
    int rows = 0;
    int columns = 0;
};
