#pragma once

#include <QTableWidget>

class WidgetTableHeader;

// A table whose horizontal header can carry widgets in its sections; they
// follow the sections when the table scrolls sideways.
class CustomTableWidget : public QTableWidget
{
public:
    explicit CustomTableWidget(QWidget* parent);
    ~CustomTableWidget() override;

    void setHeaderWidget(int section, QWidget* widget);
    void setHeaderMargins(int section, int left, int top, int right, int bottom);

protected:
    void scrollContentsBy(int dx, int dy) override;

private:
    WidgetTableHeader* header;
};
