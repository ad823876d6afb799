#include "widgettableheader.h"

#include <QShowEvent>

WidgetTableHeader::WidgetTableHeader(Qt::Orientation orientation, QWidget* parent)
    : QHeaderView(orientation, parent)
{
    connect(this, &QHeaderView::sectionResized, this,
            [this](int logicalIndex, int, int) { placeFromVisual(visualIndex(logicalIndex)); });
    connect(this, &QHeaderView::sectionMoved, this, [this](int, int oldVisualIndex, int newVisualIndex) {
        placeFromVisual(qMin(oldVisualIndex, newVisualIndex));
    });
}

WidgetTableHeader::~WidgetTableHeader() = default;

void WidgetTableHeader::setSectionWidget(int section, QWidget* widget)
{
    if (widget && widget->parentWidget() != this)
        widget->setParent(this);
    entries[section].widget = widget;
}

void WidgetTableHeader::setSectionMargins(int section, int left, int top, int right, int bottom)
{
    SectionEntry& entry = entries[section];
    entry.left = left;
    entry.top = top;
    entry.right = right;
    entry.bottom = bottom;
}

void WidgetTableHeader::updateWidgetPositions()
{
    for (int section = 0; section < count(); ++section)
        placeSection(section);
}

void WidgetTableHeader::showEvent(QShowEvent* event)
{
    for (int section = 0; section < count(); ++section) {
        SectionEntry& entry = entries[section];
        if (!entry.widget)
            entry.widget = new QWidget(this);
        if (entry.widget->parentWidget() != this)
            entry.widget->setParent(this);
        placeSection(section);
        entry.widget->show();
    }
    QHeaderView::showEvent(event);
}

// Sections added after the first show have no widget until the next show, and
// a key that was never set must not be created by a look-up here.
void WidgetTableHeader::placeSection(int section)
{
    const auto it = entries.constFind(section);
    if (it == entries.constEnd() || !it->widget)
        return;
    const SectionEntry& e = *it;
    e.widget->setGeometry(QRect(sectionViewportPosition(section) + e.left, e.top,
                                sectionSize(section) - e.left - e.right - 1,
                                height() - 1 - e.top - e.bottom));
}

void WidgetTableHeader::placeFromVisual(int visual)
{
    for (int v = qMax(0, visual); v < count(); ++v)
        placeSection(logicalIndex(v));
}
