#include "extendinformationwindow.h"

#include "common/named.h"
#include "link/upssocketcontroller.h"
#include "panel/base/dialogrelay.h"
#include "ui_extendinformationwindow.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

namespace {
const int columns = 3;
const int cellWidth = 220;
const int cellHeight = 25;

const QString& valueStyleSheet()
{
    static const QString sheet(QStringLiteral("border-image: url(:/images/images/control_background.png)"));
    return sheet;
}
} // namespace

ExtendInformationWindow::ExtendInformationWindow(bool isGenerator, QWidget* parent)
    : QDialog(parent), ui(new Ui::ExtendInformationWindow)
{
    ui->setupUi(this);
    scrollArea = named(new QScrollArea, "scrollArea");
    scrollContents = named(new QWidget, "scrollContents");
    valuesGrid = named(new QGridLayout, "valuesGrid");
    ui->informationsGroupBox->layout()->addWidget(scrollArea);
    scrollArea->setWidget(scrollContents);
    scrollArea->setWidgetResizable(true);
    scrollContents->setLayout(valuesGrid);
    scrollArea->setFrameShape(QFrame::NoFrame);
    scrollContents->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    for (int column = 0; column < columns; ++column)
        valuesGrid->setColumnMinimumWidth(column, cellWidth);
    valuesGrid->setSpacing(0);
    // A label longer than its cell widens the column; the gap keeps it off the next one.
    valuesGrid->setHorizontalSpacing(12);
    setMinimumHeight(300);

    parameterRows = extendedParameterTable(isGenerator);
    inputVoltageLabel = parameterRows.at(0).label;
    inputFrequencyLabel = parameterRows.at(2).label;
}

ExtendInformationWindow::~ExtendInformationWindow()
{
    delete ui;
}

bool ExtendInformationWindow::hasExtendedParameters(QMap<QString, QString> parameters)
{
    return hasExtendedParameterKeys(parameters);
}

void ExtendInformationWindow::setParameters(QMap<QString, QString> parameters)
{
    int n = 0;
    for (const ParameterRow& row : qAsConst(parameterRows)) {
        const auto it = parameters.constFind(row.key);
        if (it == parameters.constEnd())
            continue;
        const int gridRow = n / columns;
        const int gridColumn = n % columns;
        QLabel* label = nullptr;
        QLineEdit* value = nullptr;
        if (QLayoutItem* item = valuesGrid->itemAtPosition(gridRow, gridColumn)) {
            QLayout* cell = item->layout();
            label = static_cast<QLabel*>(cell->itemAt(0)->widget());
            value = static_cast<QLineEdit*>(cell->itemAt(1)->widget());
            label->show();
            value->show();
        } else {
            auto* cell = new QVBoxLayout;
            cell->setSpacing(0);
            label = new QLabel(scrollContents);
            label->setFixedHeight(cellHeight);
            value = new QLineEdit(scrollContents);
            value->setAlignment(Qt::AlignCenter);
            value->setFixedSize(cellWidth, cellHeight);
            value->setReadOnly(true);
            cell->addWidget(label, 0);
            cell->addWidget(value, 1);
            valuesGrid->addLayout(cell, gridRow, gridColumn);
        }
        // Set only what differs: each state arrives every second, mostly unchanged.
        const QString text = it.value() + QLatin1Char(' ') + row.unit;
        if (label->text() != row.label)
            label->setText(row.label);
        if (value->text() != text)
            value->setText(text);
        if (value->styleSheet() != valueStyleSheet())
            value->setStyleSheet(valueStyleSheet());
        ++n;
    }
    // A shorter state leaves cells behind it: a measurement no longer reported
    // must not stay on screen as if live.
    for (int i = n;; ++i) {
        QLayoutItem* item = valuesGrid->itemAtPosition(i / columns, i % columns);
        if (!item)
            break;
        QLayout* cell = item->layout();
        for (int w = 0; w < 2; ++w) {
            QWidget* widget = cell->itemAt(w)->widget();
            if (auto* label = qobject_cast<QLabel*>(widget))
                label->clear();
            else if (auto* value = qobject_cast<QLineEdit*>(widget))
                value->clear();
            widget->hide();
        }
    }
    if (isVisible())
        fitColumns();
}

void ExtendInformationWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    fitColumns();
}

void ExtendInformationWindow::fitColumns()
{
    // Labels longer than a cell widen their column: the dialog widens with them, and
    // never narrows again, so that each second's state does not move it.
    const int missing = scrollContents->sizeHint().width() +
                        scrollArea->verticalScrollBar()->sizeHint().width() - scrollArea->viewport()->width();
    if (missing > 0)
        resize(width() + missing, height());
}

void connectToService(ExtendInformationWindow* dialog, Luminorix::UpsSocketController* /*controller*/,
                      const DialogRelay& relay)
{
    QObject::connect(&relay, &DialogRelay::deviceState, dialog, &ExtendInformationWindow::setParameters);
}
