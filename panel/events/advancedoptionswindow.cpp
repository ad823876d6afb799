#include "advancedoptionswindow.h"

#include "common/localsettings.h"
#include "common/messagebox.h"
#include "common/receivedtext.h"
#include "conditiontext.h"
#include "devicedescription.h"
#include "ui_advancedoptionswindow.h"

#include <QMessageBox>
#include <QRegExp>
#include <QScrollBar>

namespace {

// The families whose description files hold numeric parameters.
bool offersOrderComparisons(const QString& modelName)
{
    static const char* const families[] = {"ospreyrt",
                                           "kitepro_avr",
                                           "harrier33",
                                           "wren_avr",
                                           "harrier_rt_plus",
                                           "harrierrtplus6_10",
                                           "harrier_multi_10k_20k",
                                           "harrier_dark",
                                           "harrier_rt_pro_1k_3k"};
    const QString lower = modelName.toLower();
    for (const char* family : families) {
        if (lower.contains(QLatin1String(family)))
            return true;
    }
    return false;
}

} // namespace

AdvancedOptionsWindow::AdvancedOptionsWindow(const Luminorix::Utils::Ups& device,
                                             const QStringList& definition, const QVector<Event>* events,
                                             QWidget* parent)
    : QDialog(parent), ui(new Ui_AdvancedOptionsWindow), m_definition(definition), m_device(device),
      m_events(events), m_check(QStringList())
{
    ui->setupUi(this);
    setWindowTitle(tr("Definiowanie zdarzenia"));
    setFixedSize(936, 532);

    m_values = QStringList{QStringLiteral("ON"), QStringLiteral("OFF")};
    m_operators = QStringList{QStringLiteral("==")};
    if (offersOrderComparisons(m_device.model_name)) {
        m_operators << QStringLiteral("!=") << QStringLiteral("<") << QStringLiteral("<=")
                    << QStringLiteral(">") << QStringLiteral(">=");
    }
    m_operators << QStringLiteral("||") << QStringLiteral("&&") << QStringLiteral("( )");

    if (!readDescription())
        return;
    m_check = ConditionCheck(m_offeredKeys);

    // Setting the texts runs the live check of each edit.
    if (m_definition.size() == 3) {
        m_openingName = m_definition.at(0);
        ReceivedText::show(ui->eventNameTextEdit, m_openingName);
        ReceivedText::show(ui->expressionTextIn, postfixToInfix(m_definition.at(1), m_operators));
        ReceivedText::show(ui->expressionTextOut, postfixToInfix(m_definition.at(2), m_operators));
    } else if (m_definition.size() == 1) {
        m_openingName = m_definition.at(0);
        ReceivedText::show(ui->eventNameTextEdit, m_openingName);
    }

    fillItems(ui->eventStatesListIn, QString());
    fillItems(ui->eventStatesListOut, QString());
    ui->statesListIn->addItems(m_values);
    ui->statesListOut->addItems(m_values);
    ui->operatorListIn->addItems(m_operators);
    ui->operatorListOut->addItems(m_operators);
}

void AdvancedOptionsWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    fitStateLists();
}

void AdvancedOptionsWindow::fitStateLists()
{
    // The operators and the two values are a few letters long: their lists keep to
    // that, and the room goes to the state names.
    QListWidget* const narrow[] = {ui->operatorListIn, ui->operatorListOut, ui->statesListIn,
                                   ui->statesListOut};
    for (QListWidget* other : narrow) {
        other->setMaximumWidth(qMax(other->sizeHintForColumn(0) + 2 * other->frameWidth() +
                                        other->verticalScrollBar()->sizeHint().width(),
                                    64));
    }
    // The state names come from the device's description in the language shown:
    // the dialog widens until both state lists hold the longest whole, a bar beside
    // it. The lists beside it may take a share of a step, so a few steps may be needed.
    QListWidget* list = ui->eventStatesListIn;
    const int needed =
        list->sizeHintForColumn(0) + list->verticalScrollBar()->sizeHint().width() + 2 * list->frameWidth();
    for (int step = 0; step < 8; ++step) {
        ui->groupBox_3->layout()->activate();
        list->parentWidget()->layout()->activate();
        const int missing = needed - list->width();
        if (missing <= 0)
            return;
        ui->groupBox_3->resize(ui->groupBox_3->width() + 2 * missing, ui->groupBox_3->height());
        ui->buttonsWidget->move(ui->buttonsWidget->x() + 2 * missing, ui->buttonsWidget->y());
        setFixedSize(width() + 2 * missing, height());
    }
}

AdvancedOptionsWindow::~AdvancedOptionsWindow()
{
    delete ui;
}

bool AdvancedOptionsWindow::readDescription()
{
    const DeviceDescription description = DeviceDescription::read(m_device, LocalSettings().language());
    switch (description.status) {
    case DeviceDescription::MissingFile:
        QMessageBox::critical(this, tr("Błąd ładowania pliku"),
                              tr("Nie można odnaleźć pliku z parametrami ") + description.path,
                              QMessageBox::Ok);
        return false;
    case DeviceDescription::UnreadableFile:
        QMessageBox::critical(this, tr("Błąd ładowania pliku"),
                              tr("Nie można otworzyć pliku z parametrami ") + description.path,
                              QMessageBox::Ok);
        return false;
    case DeviceDescription::XmlError:
        QMessageBox::critical(this, tr("Błąd odczytu pliku"),
                              tr("Plik ") + description.path + tr(" zawiera błędy"), QMessageBox::Ok);
        break;
    case DeviceDescription::Read:
        break;
    }
    m_offeredKeys = description.offeredKeys;
    m_texts = description.texts;
    return true;
}

// The items whose display text holds a match of the wildcard pattern, in file
// order; each keeps its own key, so two items with one text stay apart.
void AdvancedOptionsWindow::fillItems(QListWidget* list, const QString& pattern)
{
    list->clear();
    const QRegExp match(pattern, Qt::CaseInsensitive, QRegExp::Wildcard);
    for (const QString& key : qAsConst(m_offeredKeys)) {
        const QString text = m_texts[key];
        if (!pattern.isEmpty() && !text.contains(match))
            continue;
        auto* item = new QListWidgetItem(text, list);
        item->setData(Qt::UserRole, key);
    }
}

void AdvancedOptionsWindow::disableSaveButton(bool saveAsNew)
{
    if (saveAsNew)
        ui->saveAsNewEventButton->setEnabled(false);
    else
        ui->saveEventButton->setEnabled(false);
}

QStringList AdvancedOptionsWindow::eventDefinition() const
{
    return m_definition;
}

QStringList AdvancedOptionsWindow::buildEventDefinition() const
{
    // A condition shown cut is read-only: it goes back as it came.
    const auto postfix = [this](const QTextEdit* edit, int index, QString& out) {
        if (edit->isReadOnly() && m_definition.size() == 3) {
            out = m_definition.at(index);
            return true;
        }
        return ConditionText::infixToPostfix(ReceivedText::of(edit), out);
    };
    QString start;
    QString end;
    if (!postfix(ui->expressionTextIn, 1, start) || !postfix(ui->expressionTextOut, 2, end))
        return {};
    return {ReceivedText::of(ui->eventNameTextEdit), start, end};
}

bool AdvancedOptionsWindow::isStateName(const QString& text) const
{
    return m_check.isStateName(text);
}

bool AdvancedOptionsWindow::isParamName(const QString& text) const
{
    return m_check.isParamName(text);
}

QString AdvancedOptionsWindow::spaceOperators(const QString& infix)
{
    return ConditionText::spaceOperators(infix);
}

QString AdvancedOptionsWindow::postfixToInfix(const QString& postfix, const QStringList& operators)
{
    return ConditionText::postfixToInfix(postfix, operators);
}

void AdvancedOptionsWindow::listItemDoubleClicked(QListWidgetItem* item)
{
    QListWidget* list = item ? item->listWidget() : nullptr;
    if (!list)
        return;
    const QString text = list->objectName().startsWith(QLatin1String("eventStatesList"))
                             ? item->data(Qt::UserRole).toString()
                             : item->text();
    QTextEdit* edit =
        list->objectName().contains(QLatin1String("In")) ? ui->expressionTextIn : ui->expressionTextOut;
    // A condition shown cut takes nothing: the part never shown would be lost.
    if (!edit->isReadOnly())
        edit->insertPlainText(text);
}

void AdvancedOptionsWindow::expressionChanged()
{
    auto* edit = qobject_cast<QTextEdit*>(sender());
    if (!edit)
        return;
    // One shown cut is the service's own and goes back untouched: not checked.
    const bool valid = edit->isReadOnly() || m_check.isValid(ReceivedText::of(edit));
    edit->setStyleSheet(valid ? QStringLiteral("color: green") : QStringLiteral("color: red"));
    edit->setProperty("valid", valid);
}

void AdvancedOptionsWindow::accept()
{
    const bool plainSave = sender() == ui->saveEventButton;
    const QString name = ReceivedText::of(ui->eventNameTextEdit);
    const QString refusal = nameRefusal(name);
    if (!refusal.isEmpty()) {
        showMessageBox(tr("Uwaga"), refusal);
        return;
    }
    if (ReceivedText::of(ui->expressionTextIn).isEmpty() ||
        ReceivedText::of(ui->expressionTextOut).isEmpty()) {
        showMessageBox(tr("Uwaga"), tr("Należy wprowadzić wyrażenie."));
        return;
    }
    if (!ui->expressionTextIn->property("valid").toBool() ||
        !ui->expressionTextOut->property("valid").toBool()) {
        showMessageBox(tr("Uwaga"), tr("Wprowadzone wyrażenie jest nieprawidłowe."));
        return;
    }
    m_definition = buildEventDefinition();
    if (m_definition.isEmpty()) {
        showMessageBox(tr("Uwaga"), tr("Wystąpił błąd podczas przetwarzania wyrażenia."));
        return;
    }
    if (!(plainSave && name == m_openingName) && m_events) {
        for (const Event& event : *m_events) {
            if (event.event_state == name) {
                showMessageBox(tr("Uwaga"), tr("Konfiguracja zawiera już zdarzenie ") + name);
                return;
            }
        }
    }
    QDialog::accept();
}

QString AdvancedOptionsWindow::nameRefusal(const QString& name) const
{
    if (name.isEmpty())
        return tr("Pole \"Nazwa zdarzenia\" nie może być puste");
    static const QString forbidden = QStringLiteral("&\"'<>");
    for (const QChar c : forbidden) {
        if (name.contains(c))
            return tr("Nazwa zdarzenia zawiera niedozwolone znaki");
    }
    return QString();
}

void AdvancedOptionsWindow::filterInTextChanged(const QString& arg)
{
    fillItems(ui->eventStatesListIn, arg);
}

void AdvancedOptionsWindow::filterOutTextChanged(const QString& arg)
{
    fillItems(ui->eventStatesListOut, arg);
}
