#include "upseventswindow.h"

#include "base/dialogrelay.h"
#include "eventhistory.h"
#include "ui_upseventswindow.h"

#include <QStandardItemModel>

UpsEventsWindow::UpsEventsWindow(QWidget* parent)
    : QDialog(parent), ui(new Ui::UpsEventsWindow), listModel(new QStandardItemModel(this))
{
    ui->setupUi(this);
    setFixedSize(size());
    listModel->appendRow(new QStandardItem(tr("Pobieranie zdarzeń...")));
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
    listModel->clear();
    for (const QString& row : EventHistory::rows(events))
        listModel->appendRow(new QStandardItem(row));
}

QString UpsEventsWindow::eventText(const QString& code)
{
    return EventHistory::eventText(code);
}

void connectToService(UpsEventsWindow* dialog, const DialogRelay& relay)
{
    QObject::connect(&relay, &DialogRelay::deviceState, dialog,
                     [dialog](const QMap<QString, QString>& state) {
                         dialog->setEvents(state.value(QStringLiteral("events")));
                     });
}
