#include "upseventswindow.h"

#include "base/dialogrelay.h"
#include "eventhistory.h"
#include "eventhistorymodel.h"
#include "ui_upseventswindow.h"

UpsEventsWindow::UpsEventsWindow(QWidget* parent)
    : QDialog(parent), ui(new Ui::UpsEventsWindow), listModel(new EventHistoryModel(this))
{
    ui->setupUi(this);
    setFixedSize(size());
    listModel->setNotice(tr("Pobieranie zdarzeń..."));
    ui->eventsList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Rows are one line each: measured once, not a million times.
    ui->eventsList->setUniformItemSizes(true);
    ui->eventsList->setModel(listModel);
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
