#pragma once

#include <QHeaderView>
#include <QMap>

class QShowEvent;

// A header view that carries a widget inside a section (the select-all box of
// the VM table) and keeps it over its section while sections resize or move.
class WidgetTableHeader : public QHeaderView
{
public:
    WidgetTableHeader(Qt::Orientation orientation, QWidget* parent);
    ~WidgetTableHeader() override;

    void setSectionWidget(int section, QWidget* widget);
    void setSectionMargins(int section, int left, int top, int right, int bottom);
    void updateWidgetPositions();

protected:
    void showEvent(QShowEvent* event) override;

private:
    struct SectionEntry
    {
        QWidget* widget = nullptr;
        int left = 0;
        int top = 0;
        int right = 0;
        int bottom = 0;
    };

    void placeSection(int section);
    void placeFromVisual(int visual);

    QMap<int, SectionEntry> entries;
};
