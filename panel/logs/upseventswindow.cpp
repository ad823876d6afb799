#include "upseventswindow.h"

#include "common/eventhistory.h"
#include "eventhistorymodel.h"
#include "panel/base/dialogrelay.h"
#include "ui_upseventswindow.h"

#include <QFontMetrics>
#include <QStyle>

UpsEventsWindow::UpsEventsWindow(QWidget* parent)
    : QDialog(parent), ui(new Ui::UpsEventsWindow), listModel(new EventHistoryModel(this))
{
    ui->setupUi(this);
    fitLongestEntry();
    setFixedSize(size());
    listModel->setNotice(tr("Pobieranie zdarzeń..."));
    ui->eventsList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Rows are one line each: measured once, not a million times.
    ui->eventsList->setUniformItemSizes(true);
    ui->eventsList->setModel(listModel);
}

// Wide enough for the longest event text of the table behind a date of this year:
// the ends of the texts (": Start", ": Stop") tell events apart.
void UpsEventsWindow::fitLongestEntry()
{
    const QFontMetrics metrics(ui->eventsList->font());
    int widest = 0;
    for (int code = 1; code <= 81; ++code)
        widest = qMax(widest, metrics.horizontalAdvance(QStringLiteral("2026-12 10:10:31 - ") +
                                                        eventText(QString::number(code))));
    const int margins = 2 * (ui->eventsList->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1) +
                        2 * ui->eventsList->frameWidth() +
                        ui->eventsList->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 4;
    // The list fills its holder, which has no margins.
    const int missing = widest + margins - ui->horizontalLayoutWidget->width();
    if (missing <= 0)
        return;
    ui->horizontalLayoutWidget->resize(ui->horizontalLayoutWidget->width() + missing,
                                       ui->horizontalLayoutWidget->height());
    ui->buttonBox->move(ui->buttonBox->x() + missing, ui->buttonBox->y());
    resize(width() + missing, height());
}

UpsEventsWindow::~UpsEventsWindow()
{
    delete ui;
}

void UpsEventsWindow::setEvents(const QString& events)
{
    // No history in this state: keep what is shown, the placeholder included.
    if (events.isEmpty())
        return;
    // Every poll brings the history again: rebuilt, it would lose the selection.
    if (!shownEvents.isNull() && events == shownEvents)
        return;
    shownEvents = events;
    listModel->setHistory(EventHistory(events));
}

void UpsEventsWindow::setDeviceState(const QMap<QString, QString>& state)
{
    if (state.isEmpty())
        return;
    const QString events = state.value(QStringLiteral("events"));
    if (events.isEmpty() && shownEvents.isNull())
        listModel->setNotice(tr("Brak zapisanych zdarzeń"));
    setEvents(events);
}

QString UpsEventsWindow::eventText(const QString& code)
{
    return EventHistory::eventText(code);
}

void connectToService(UpsEventsWindow* dialog, const DialogRelay& relay)
{
    QObject::connect(&relay, &DialogRelay::deviceState, dialog,
                     [dialog](const QMap<QString, QString>& state) { dialog->setDeviceState(state); });
}
