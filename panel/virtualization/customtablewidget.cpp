#include "customtablewidget.h"

#include "widgettableheader.h"

CustomTableWidget::CustomTableWidget(QWidget* parent)
    : QTableWidget(parent), header(new WidgetTableHeader(Qt::Horizontal, this))
{
    setHorizontalHeader(header);
}

CustomTableWidget::~CustomTableWidget() = default;

void CustomTableWidget::setHeaderWidget(int section, QWidget* widget)
{
    header->setSectionWidget(section, widget);
}

void CustomTableWidget::setHeaderMargins(int section, int left, int top, int right, int bottom)
{
    header->setSectionMargins(section, left, top, right, bottom);
}

void CustomTableWidget::scrollContentsBy(int dx, int dy)
{
    QTableWidget::scrollContentsBy(dx, dy);
    if (dx != 0)
        header->updateWidgetPositions();
}
