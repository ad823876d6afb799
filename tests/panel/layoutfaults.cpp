#include "layoutfaults.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QFontInfo>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPair>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOption>
#include <QTableView>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTreeView>
#include <cmath>

namespace {

QString shown(const QString& text)
{
    QString oneLine = text;
    oneLine.replace(QLatin1Char('\n'), QLatin1String("\\n"));
    return QLatin1Char('"') + oneLine + QLatin1Char('"');
}

// Widths of a text as the styles draw it: the widest line, mnemonics taken out.
int textWidth(const QFontMetrics& metrics, const QString& text)
{
    return metrics.size(Qt::TextShowMnemonic, text).width();
}

bool isViewport(const QWidget* widget)
{
    const auto* area = qobject_cast<const QAbstractScrollArea*>(widget->parentWidget());
    return area && area->viewport() == widget;
}

// Qt's own parts of a widget (a spin box's line edit, a scroll area's bars) are
// laid out by the widget itself.
bool isInternal(const QWidget* widget)
{
    return widget->objectName().startsWith(QLatin1String("qt_"));
}

class Audit
{
public:
    explicit Audit(QWidget* window) : window(window) {}

    QStringList run()
    {
        const QList<QWidget*> widgets = window->findChildren<QWidget*>();
        for (QWidget* widget : widgets) {
            if (widget->window() != window || !widget->isVisibleTo(window))
                continue;
            checkPlace(widget);
            if (auto* label = qobject_cast<QLabel*>(widget))
                checkLabel(label);
            else if (auto* button = qobject_cast<QAbstractButton*>(widget))
                checkButton(button);
            else if (auto* box = qobject_cast<QGroupBox*>(widget))
                checkGroupBox(box);
            else if (auto* combo = qobject_cast<QComboBox*>(widget))
                checkCombo(combo);
            else if (auto* header = qobject_cast<QHeaderView*>(widget))
                checkHeader(header);
            else if (auto* view = qobject_cast<QAbstractItemView*>(widget))
                checkItems(view);
            else if (auto* area = qobject_cast<QScrollArea*>(widget))
                checkSideways(area);
            if (auto* area = qobject_cast<QAbstractScrollArea*>(widget))
                checkScrolling(area);
            checkShown(widget);
            checkContrast(widget);
        }
        checkOverlaps(widgets);
        return faults;
    }

private:
    void fault(const QWidget* widget, const QString& what)
    {
        faults << widgetPath(window, widget) + QLatin1String(": ") + what;
    }

    void checkPlace(QWidget* widget)
    {
        QWidget* parent = widget->parentWidget();
        if (!parent || widget->isWindow() || isViewport(parent) || isInternal(widget))
            return;
        if (!parent->rect().contains(widget->geometry()))
            fault(widget, QStringLiteral("reaches outside its parent (%1,%2 %3x%4 in %5x%6)")
                              .arg(widget->x())
                              .arg(widget->y())
                              .arg(widget->width())
                              .arg(widget->height())
                              .arg(parent->width())
                              .arg(parent->height()));
    }

    // A form in a scroll area is read down, not across: content wider than the
    // view hides its right side at the opening size.
    void checkSideways(QScrollArea* area)
    {
        QWidget* content = area->widget();
        // A whole window that needs more room than the screen has scrolls on purpose.
        if (area->objectName() == QLatin1String("screenFitArea"))
            return;
        if (content && content->isVisibleTo(window) && content->width() > area->viewport()->width())
            fault(area, QStringLiteral("its content is %1 px wide, the view %2 px")
                            .arg(content->width())
                            .arg(area->viewport()->width()));
    }

    // A bar is shown only where there is something to scroll to, and what lies
    // below the bottom of a view can be scrolled to.
    void checkScrolling(QAbstractScrollArea* area)
    {
        for (QScrollBar* bar : {area->horizontalScrollBar(), area->verticalScrollBar()}) {
            if (bar->isVisibleTo(window) && bar->maximum() == bar->minimum())
                fault(area, QStringLiteral("shows a %1 scroll bar with nothing to scroll")
                                .arg(bar->orientation() == Qt::Vertical ? QStringLiteral("vertical")
                                                                        : QStringLiteral("horizontal")));
        }
        const bool scrollsDown = area->verticalScrollBar()->isVisibleTo(window) &&
                                 area->verticalScrollBar()->maximum() > area->verticalScrollBar()->minimum();
        const int bottom = area->viewport()->height();
        if (auto* scroll = qobject_cast<QScrollArea*>(area)) {
            QWidget* content = scroll->widget();
            if (!scrollsDown && content && content->isVisibleTo(window) &&
                content->y() + content->height() > bottom)
                fault(area, QStringLiteral("content %1 px high in a view of %2 px that does not scroll")
                                .arg(content->height())
                                .arg(bottom));
        }
        // A pane the user cannot click into is read at a glance: it shows all it holds.
        QTextDocument* document = nullptr;
        Qt::TextInteractionFlags interaction = Qt::TextSelectableByMouse;
        if (auto* plain = qobject_cast<QPlainTextEdit*>(area)) {
            document = plain->document();
            interaction = plain->textInteractionFlags();
        } else if (auto* rich = qobject_cast<QTextEdit*>(area)) {
            document = rich->document();
            interaction = rich->textInteractionFlags();
        }
        if (document && interaction == Qt::NoTextInteraction && !document->isEmpty() &&
            area->verticalScrollBar()->maximum() > 0)
            fault(area, QStringLiteral("shows part of its %1 lines, and cannot be clicked into")
                            .arg(document->lineCount()));
        if (auto* view = qobject_cast<QAbstractItemView*>(area)) {
            if (scrollsDown || !view->model())
                return;
            const int rows = view->model()->rowCount(view->rootIndex());
            for (int row = 0; row < rows; ++row) {
                const QRect rect = view->visualRect(view->model()->index(row, 0, view->rootIndex()));
                if (!rect.isEmpty() && rect.bottom() >= bottom) {
                    fault(view,
                          QStringLiteral("row %1 of %2 is cut at the bottom, and the view does not scroll")
                              .arg(row)
                              .arg(rows));
                    break;
                }
            }
        }
    }

    // A text that some frame around it cuts off, outside any view that scrolls.
    void checkShown(QWidget* widget)
    {
        if (!bearsText(widget) || isInternal(widget))
            return;
        QRect rect = widget->rect();
        for (QWidget* w = widget; w && w != window; w = w->parentWidget()) {
            QWidget* parent = w->parentWidget();
            if (!parent || isViewport(parent))
                return;
            rect.translate(w->pos());
            const QRect clipped = rect.intersected(parent->rect());
            if (clipped != rect) {
                if (w != widget) // the direct parent's cut is "reaches outside its parent"
                    fault(widget, QStringLiteral("shows %1 of %2 px in %3")
                                      .arg(clipped.width() * clipped.height())
                                      .arg(rect.width() * rect.height())
                                      .arg(widgetPath(window, parent)));
                return;
            }
        }
    }

    static double luminance(const QColor& colour)
    {
        const auto channel = [](double c) {
            return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF()) +
               0.0722 * channel(colour.blueF());
    }

    static double contrast(const QColor& a, const QColor& b)
    {
        const double one = luminance(a) + 0.05;
        const double two = luminance(b) + 0.05;
        return one > two ? one / two : two / one;
    }

    // Coloured words of a text pane against what shows behind them.
    void checkContrast(QWidget* widget)
    {
        QTextDocument* document = nullptr;
        if (auto* plain = qobject_cast<QPlainTextEdit*>(widget))
            document = plain->document();
        else if (auto* rich = qobject_cast<QTextEdit*>(widget))
            document = rich->document();
        if (!document)
            return;
        auto* area = static_cast<QAbstractScrollArea*>(widget);
        const QWidget* behind =
            area->viewport()->autoFillBackground() ? area->viewport() : widget->parentWidget();
        const QColor background =
            behind ? behind->palette().color(behind->backgroundRole()) : QColor(Qt::white);
        for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                const QTextFragment fragment = it.fragment();
                const QTextCharFormat format = fragment.charFormat();
                if (!format.hasProperty(QTextFormat::ForegroundBrush) || fragment.text().trimmed().isEmpty())
                    continue;
                const QColor colour = format.foreground().color();
                const double ratio = contrast(colour, background);
                if (ratio < 4.5)
                    fault(widget, QStringLiteral("%1 in %2 on %3 at %4:1")
                                      .arg(shown(fragment.text()), colour.name(), background.name())
                                      .arg(ratio, 0, 'f', 2));
            }
        }
    }

    void checkLabel(QLabel* label)
    {
        if (label->text().isEmpty() || !label->pixmap(Qt::ReturnByValue).isNull() || label->movie())
            return;
        if (label->wordWrap()) {
            const int need = label->heightForWidth(label->width());
            if (need > label->height())
                fault(label, QStringLiteral("%1 needs %2 px of height, has %3")
                                 .arg(shown(label->text()))
                                 .arg(need)
                                 .arg(label->height()));
            return;
        }
        const QSize need = label->sizeHint();
        if (need.width() > label->width() || need.height() > label->height())
            fault(label, QStringLiteral("%1 needs %2x%3, has %4x%5")
                             .arg(shown(label->text()))
                             .arg(need.width())
                             .arg(need.height())
                             .arg(label->width())
                             .arg(label->height()));
    }

    static constexpr int pushTextPadding = 3;

    void checkButton(QAbstractButton* button)
    {
        if (button->text().isEmpty())
            return;
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        option.icon = button->icon();
        option.iconSize = button->iconSize();
        QStyle::SubElement contents = QStyle::SE_PushButtonContents;
        if (qobject_cast<QCheckBox*>(button))
            contents = QStyle::SE_CheckBoxContents;
        else if (qobject_cast<QRadioButton*>(button))
            contents = QStyle::SE_RadioButtonContents;
        else if (!qobject_cast<QPushButton*>(button))
            return;
        if (auto* push = qobject_cast<QPushButton*>(button)) {
            if (push->isFlat())
                option.features |= QStyleOptionButton::Flat;
            if (push->menu())
                option.features |= QStyleOptionButton::HasMenu;
        }
        const QRect room = button->style()->subElementRect(contents, &option, button);
        int need = textWidth(button->fontMetrics(), button->text());
        if (!option.icon.isNull())
            need += option.iconSize.width() + 4;
        // A push button's text that reaches its frame reads as cut; a style sheet's
        // padding is already outside the room.
        if (qobject_cast<QPushButton*>(button) && !option.features.testFlag(QStyleOptionButton::Flat) &&
            button->styleSheet().isEmpty())
            need += 2 * pushTextPadding;
        if (need > room.width())
            fault(button, QStringLiteral("%1 needs %2 px, has %3")
                              .arg(shown(button->text()))
                              .arg(need)
                              .arg(room.width()));
    }

    void checkGroupBox(QGroupBox* box)
    {
        if (box->title().isEmpty())
            return;
        QStyleOptionGroupBox option;
        option.initFrom(box);
        option.text = box->title();
        option.lineWidth = 1;
        option.midLineWidth = 0;
        option.textAlignment = Qt::Alignment(box->alignment());
        option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
        if (box->isCheckable())
            option.subControls |= QStyle::SC_GroupBoxCheckBox;
        if (box->isFlat())
            option.features |= QStyleOptionFrame::Flat;
        const QRect label =
            box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box);
        if (label.left() < 0 || label.right() > box->rect().right())
            fault(box, QStringLiteral("title %1 needs %2 px from %3, the box is %4 px wide")
                           .arg(shown(box->title()))
                           .arg(label.width())
                           .arg(label.left())
                           .arg(box->width()));
    }

    void checkCombo(QComboBox* combo)
    {
        QStyleOptionComboBox option;
        option.initFrom(combo);
        option.editable = combo->isEditable();
        option.frame = combo->hasFrame();
        option.iconSize = combo->iconSize();
        option.subControls = QStyle::SC_All;
        const QRect field =
            combo->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo);
        if (combo->count() > 0 && combo->currentIndex() < 0 && !combo->isEditable())
            fault(combo, QStringLiteral("shows none of its %1 entries").arg(combo->count()));
        // The label is drawn one pixel in from either side of the field.
        const int room = field.width() - 2;
        for (int i = 0; i < combo->count(); ++i) {
            const QString text = combo->itemText(i);
            const QVariant itemFont = combo->itemData(i, Qt::FontRole);
            QFont font = combo->font();
            if (itemFont.canConvert<QFont>()) {
                // The popup list draws the item in that font as it is, unmerged with the
                // box's: one of another size stands out.
                font = itemFont.value<QFont>();
                if (QFontInfo(font).pixelSize() != QFontInfo(combo->font()).pixelSize())
                    fault(combo, QStringLiteral("item %1 at %2 px in a list at %3 px")
                                     .arg(shown(text))
                                     .arg(QFontInfo(font).pixelSize())
                                     .arg(QFontInfo(combo->font()).pixelSize()));
            }
            int need = QFontMetrics(font).horizontalAdvance(text);
            if (!combo->itemIcon(i).isNull())
                need += combo->iconSize().width() + 4;
            if (need > room)
                fault(combo,
                      QStringLiteral("item %1 needs %2 px, has %3").arg(shown(text)).arg(need).arg(room));
        }
    }

    void checkHeader(QHeaderView* header)
    {
        if (header->orientation() != Qt::Horizontal || !header->model())
            return;
        QStyle* style = header->style();
        const int margin = style->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
        for (int i = 0; i < header->count(); ++i) {
            if (header->isSectionHidden(i) || header->sectionSize(i) == 0)
                continue;
            const QString text = header->model()->headerData(i, Qt::Horizontal).toString();
            if (text.isEmpty())
                continue;
            QFont font = header->font();
            const QVariant fontData = header->model()->headerData(i, Qt::Horizontal, Qt::FontRole);
            if (fontData.canConvert<QFont>())
                font = fontData.value<QFont>();
            int need = textWidth(QFontMetrics(font), text) + 2 * margin;
            if (header->isSortIndicatorShown() && header->sortIndicatorSection() == i)
                need += style->pixelMetric(QStyle::PM_HeaderMarkSize, nullptr, header) + margin;
            if (need > header->sectionSize(i))
                faults << widgetPath(window, header) + QStringLiteral(": section %1 %2 needs %3 px, has %4")
                                                           .arg(i)
                                                           .arg(shown(text))
                                                           .arg(need)
                                                           .arg(header->sectionSize(i));
        }
    }

    bool columnHidden(QAbstractItemView* view, int column) const
    {
        if (auto* tree = qobject_cast<QTreeView*>(view))
            return tree->isColumnHidden(column);
        if (auto* table = qobject_cast<QTableView*>(view))
            return table->isColumnHidden(column);
        return column > 0;
    }

    bool wraps(QAbstractItemView* view) const
    {
        if (auto* tree = qobject_cast<QTreeView*>(view))
            return tree->wordWrap();
        if (auto* table = qobject_cast<QTableView*>(view))
            return table->wordWrap();
        return false;
    }

    void checkItems(QAbstractItemView* view)
    {
        QAbstractItemModel* model = view->model();
        if (!model)
            return;
        QStyleOptionViewItem option;
        option.initFrom(view);
        option.widget = view;
        option.font = view->font();
        const int icon = view->style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, view);
        option.decorationSize = view->iconSize().isValid() ? view->iconSize() : QSize(icon, icon);
        const int textMargin = view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1;
        const bool noSideScroll = view->horizontalScrollBarPolicy() == Qt::ScrollBarAlwaysOff;
        const auto* list = qobject_cast<QListView*>(view);
        // A tree of one column reads as a list too.
        const bool isList = (list && list->viewMode() == QListView::ListMode) ||
                            (qobject_cast<QTreeView*>(view) && model->columnCount() == 1);
        int budget = 400;
        QList<QModelIndex> parents{view->rootIndex()};
        while (!parents.isEmpty() && budget > 0) {
            const QModelIndex parent = parents.takeFirst();
            for (int row = 0; row < model->rowCount(parent) && budget > 0; ++row) {
                for (int column = 0; column < model->columnCount(parent); ++column) {
                    const QModelIndex index = model->index(row, column, parent);
                    if (column == 0 && model->hasChildren(index))
                        parents << index;
                    const QString text = index.data().toString();
                    if (text.isEmpty() || columnHidden(view, column) || view->indexWidget(index))
                        continue;
                    const QRect rect = view->visualRect(index);
                    if (rect.isEmpty())
                        continue;
                    --budget;
                    const int need = view->itemDelegate(index)->sizeHint(option, index).width();
                    bool cut = need > rect.width();
                    if (cut && wraps(view) && text.contains(QLatin1Char(' '))) {
                        const QRect wrapped =
                            QFontMetrics(option.font)
                                .boundingRect(QRect(0, 0, rect.width() - 2 * textMargin, 10000),
                                              Qt::TextWordWrap, text);
                        cut = wrapped.width() > rect.width() - 2 * textMargin ||
                              wrapped.height() > rect.height();
                    }
                    if (!cut && noSideScroll && rect.right() > view->viewport()->width())
                        cut = true;
                    // A list is one column of whole entries: none needs scrolling sideways.
                    if (!cut && isList && rect.left() + need > view->viewport()->width())
                        cut = true;
                    // Where the room is fixed, the whole text is a pointer's rest away.
                    if (cut && index.data(Qt::ToolTipRole).toString().contains(text))
                        cut = false;
                    if (cut)
                        faults << widgetPath(window, view) +
                                      QStringLiteral(": item %1 (%2, %3) needs %4 px, has %5")
                                          .arg(shown(text))
                                          .arg(row)
                                          .arg(column)
                                          .arg(need)
                                          .arg(rect.width());
                }
            }
        }
    }

    // Texts of siblings drawn over each other: a label running into its neighbour.
    static bool bearsText(const QWidget* widget)
    {
        if (auto* label = qobject_cast<const QLabel*>(widget))
            return !label->text().isEmpty() && !label->movie() && label->pixmap(Qt::ReturnByValue).isNull();
        if (auto* button = qobject_cast<const QAbstractButton*>(widget))
            return !button->text().isEmpty();
        return qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QComboBox*>(widget) ||
               qobject_cast<const QAbstractSpinBox*>(widget);
    }

    void checkOverlaps(const QList<QWidget*>& widgets)
    {
        QList<QWidget*> texts;
        for (QWidget* widget : widgets) {
            if (widget->window() == window && widget->isVisibleTo(window) && !isInternal(widget) &&
                bearsText(widget) && widget->parentWidget() && !isViewport(widget->parentWidget()))
                texts << widget;
        }
        for (int i = 0; i < texts.size(); ++i) {
            for (int j = i + 1; j < texts.size(); ++j) {
                if (texts[i]->parentWidget() != texts[j]->parentWidget())
                    continue;
                if (texts[i]->geometry().intersects(texts[j]->geometry()))
                    fault(texts[i], QStringLiteral("overlaps %1").arg(widgetPath(window, texts[j])));
                else
                    checkGap(texts[i], texts[j]);
            }
        }
    }

    // Where a plain label's text runs from and to, in its parent.
    static QPair<int, int> textSpan(const QLabel* label)
    {
        const QRect room = label->contentsRect().translated(label->pos());
        const int width = qMin(room.width(), textWidth(label->fontMetrics(), label->text()));
        const Qt::Alignment align = QStyle::visualAlignment(label->layoutDirection(), label->alignment());
        int left = room.left();
        if (align & Qt::AlignRight)
            left = room.right() + 1 - width;
        else if (align & Qt::AlignHCenter)
            left = room.left() + (room.width() - width) / 2;
        return {left, left + width};
    }

    // Two labels of one row whose texts nearly touch read as one.
    void checkGap(QWidget* a, QWidget* b)
    {
        auto* first = qobject_cast<QLabel*>(a);
        auto* second = qobject_cast<QLabel*>(b);
        if (!first || !second || first->wordWrap() || second->wordWrap() ||
            Qt::mightBeRichText(first->text()) || Qt::mightBeRichText(second->text()))
            return;
        const QRect one = first->geometry();
        const QRect two = second->geometry();
        if (one.bottom() < two.top() || two.bottom() < one.top())
            return;
        const QPair<int, int> left = one.left() <= two.left() ? textSpan(first) : textSpan(second);
        const QPair<int, int> right = one.left() <= two.left() ? textSpan(second) : textSpan(first);
        const int gap = right.first - left.second;
        const int least = first->fontMetrics().horizontalAdvance(QLatin1Char(' ')) * 2;
        if (gap < least)
            fault(a, QStringLiteral("%1 runs into %2 (%3 px apart)")
                         .arg(shown(first->text()), shown(second->text()))
                         .arg(gap));
    }

    QWidget* window;
    QStringList faults;
};

} // namespace

QString widgetPath(const QWidget* window, const QWidget* widget)
{
    QStringList names;
    for (const QWidget* w = widget; w && w != window; w = w->parentWidget()) {
        if (isViewport(w) || isInternal(w))
            continue;
        names.prepend(w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className())
                                                : w->objectName());
    }
    return names.join(QLatin1Char('/'));
}

QStringList layoutFaults(QWidget* window)
{
    return Audit(window).run();
}
