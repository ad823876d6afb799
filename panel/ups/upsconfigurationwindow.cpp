#include "upsconfigurationwindow.h"

#include "common/named.h"
#include "common/upsmodelcatalogue.h"
#include "configurationsavecheck.h"
#include "link/upssocketcontroller.h"
#include "panel/base/dialogrelay.h"
#include "parametervalue.h"
#include "typedlengthvalidator.h"
#include "ui_upsconfigurationwindow.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>

namespace {
const int rowHeight = 35;
// A device offers a handful of choices; a reply listing more (a broken or hostile
// service) shows these first ones, and the row still sends back every choice.
const int maxShownChoices = 100;

bool isNumericKey(const QString& key)
{
    static const QStringList keys{QStringLiteral("output_voltage"),
                                  QStringLiteral("battery_modules_count"),
                                  QStringLiteral("overload_alert_threshold"),
                                  QStringLiteral("standby_cap"),
                                  QStringLiteral("lower_output_threshold"),
                                  QStringLiteral("upper_output_threshold"),
                                  QStringLiteral("lower_output_freq_threshold"),
                                  QStringLiteral("upper_output_freq_threshold"),
                                  QStringLiteral("standby_delay"),
                                  QStringLiteral("auth_time_m_low_battery"),
                                  QStringLiteral("auth_time_low_battery")};
    return keys.contains(key);
}

bool isNetworkAddressKey(const QString& key)
{
    return key == QLatin1String("snmp_agent_ip") || key == QLatin1String("network_mask") ||
           key == QLatin1String("default_gateway");
}

QLabel* rowLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setMinimumWidth(200);
    // Two lines of a larger font need more than a row's usual height.
    label->setMaximumHeight(qMax(rowHeight, label->sizeHint().height()));
    return label;
}

QLabel* unitLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    // At least the form's width, more for a unit that a larger font makes wider.
    label->setFixedWidth(qMax(60, label->sizeHint().width()));
    label->setMaximumHeight(rowHeight);
    return label;
}
} // namespace

UPSConfigurationWindow::UPSConfigurationWindow(const Luminorix::Utils::Ups& ups, QWidget* parent)
    : QDialog(parent), ui(new Ui::UPSConfigurationWindow), ups(ups)
{
    ui->setupUi(this);
    // The opener retitles the window for a generator set; the box says the same.
    if (titlesConfigurationAsGeneratorSet(ups.model_name))
        ui->informationsGroupBox->setTitle(tr("Konfiguracja agregatu"));
    scrollArea = named(new QScrollArea, "scrollArea");
    scrollContents = named(new QWidget, "scrollContents");
    parametersGrid = named(new QGridLayout, "parametersGrid");
    ui->informationsGroupBox->layout()->addWidget(scrollArea);
    scrollArea->setWidget(scrollContents);
    scrollArea->setWidgetResizable(true);
    scrollContents->setLayout(parametersGrid);
    scrollArea->setFrameShape(QFrame::NoFrame);
    scrollContents->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    parametersGrid->setColumnMinimumWidth(0, 320);
    parametersGrid->setColumnMinimumWidth(1, 320);
    parameterDescriptors = upsParameterCatalogue();
}

UPSConfigurationWindow::~UPSConfigurationWindow()
{
    delete ui;
}

void UPSConfigurationWindow::setConfiguration(const QMap<QString, QString>& parameters)
{
    if (built)
        return;
    built = true;
    rows.clear();
    // Keys the catalogue lacks count too: that is how the service's maps divide.
    const int half = parameters.size() / 2;
    int position = 0;
    // Built out of sight: each widget shown into a shown grid would lay the whole
    // grid out again, hundreds of times over.
    scrollContents->hide();
    for (const ParameterDescriptor& descriptor : qAsConst(parameterDescriptors)) {
        const auto it = parameters.constFind(descriptor.key);
        if (it == parameters.constEnd())
            continue;
        if (position < half)
            addRow(descriptor, it.value(), position, 0);
        else
            addRow(descriptor, it.value(), position - half, 1);
        ++position;
    }
    scrollContents->show();
    updateNetworkFields(!dhcpEnabled);
    fitColumns();
}

void UPSConfigurationWindow::fitColumns()
{
    // The rows' widths follow the model and the language: the dialog widens until
    // both columns show whole, a vertical bar included.
    layout()->activate();
    const int missing = scrollContents->sizeHint().width() +
                        scrollArea->verticalScrollBar()->sizeHint().width() - scrollArea->viewport()->width();
    if (missing > 0)
        resize(width() + missing, height());
}

void UPSConfigurationWindow::addRow(const ParameterDescriptor& descriptor, const QString& value, int gridRow,
                                    int gridColumn)
{
    Row row;
    row.key = descriptor.key;
    row.kind = descriptor.kind;
    row.originalValue = value;
    row.layout = new QHBoxLayout;
    QWidget* const parent = scrollContents;

    switch (descriptor.kind) {
    case UpsParameterDescriptor::CheckBoxKind: {
        auto* box = new QCheckBox(descriptor.label, parent);
        box->setMaximumHeight(rowHeight);
        row.layout->addWidget(box);
        box->setChecked(ParameterValue::isOn(value));
        if (descriptor.key == QLatin1String("dhcp_enable"))
            dhcpEnabled = box->isChecked();
        row.editor = box;
        break;
    }
    case UpsParameterDescriptor::RadioGroupKind: {
        row.layout->addWidget(new QLabel(descriptor.label, parent));
        row.group = new QButtonGroup(this);
        const QString current = ParameterValue::currentItem(value);
        const QStringList choices = ParameterValue::choices(value, maxShownChoices);
        for (const QString& choice : choices) {
            auto* button = new QRadioButton(choice, parent);
            row.group->addButton(button);
            row.layout->addWidget(button);
        }
        for (QAbstractButton* button : row.group->buttons()) {
            if (button->text() == current)
                button->setChecked(true);
        }
        // A setting that is none of the choices gets a button of its own, left
        // unchecked: it is the way back once another choice was clicked.
        if (!choices.isEmpty() && !choices.contains(current)) {
            row.receivedButton = named(new QRadioButton(current, parent), "receivedSetting");
            row.group->addButton(row.receivedButton);
            row.layout->addWidget(row.receivedButton);
        }
        row.layout->addWidget(new QLabel(descriptor.unit, parent), 1);
        row.group->setProperty("originalValue", value);
        break;
    }
    case UpsParameterDescriptor::ComboBoxKind: {
        QLabel* label = rowLabel(descriptor.label, parent);
        auto* combo = new QComboBox(parent);
        combo->setEditable(false);
        combo->setFixedWidth(descriptor.wide ? 240 : 120);
        combo->setMaximumHeight(rowHeight);
        QLabel* unit = unitLabel(descriptor.unit, parent);
        row.layout->addWidget(label);
        row.layout->addWidget(combo);
        row.layout->addWidget(unit);
        const QString current = ParameterValue::currentItem(value);
        const QStringList choices = ParameterValue::choices(value, maxShownChoices);
        combo->addItems(choices);
        // A setting that is none of the choices is shown as it came, as an entry of
        // its own after the choices, rather than as a blank box.
        if (!choices.contains(current) && !(current.isEmpty() && choices.isEmpty())) {
            row.receivedIndex = combo->count();
            combo->addItem(current);
        }
        // addItems selected the first choice.
        combo->setCurrentIndex(row.receivedIndex >= 0 ? row.receivedIndex : choices.indexOf(current));
        if (!descriptor.visible) {
            label->hide();
            combo->hide();
            unit->hide();
        }
        row.editor = combo;
        break;
    }
    default: {
        QLabel* label = rowLabel(descriptor.label, parent);
        auto* edit = new QLineEdit(parent);
        edit->setFixedWidth(descriptor.wide ? 120 : 60);
        edit->setMaximumHeight(rowHeight);
        QLabel* unit = unitLabel(descriptor.unit, parent);
        row.layout->addWidget(label);
        row.layout->addWidget(edit, 1);
        row.layout->addWidget(unit, 1);
        edit->setText(value);
        // Not setMaxLength: it would cut a longer received value, which then
        // went back cut without the user touching it.
        if (isNumericKey(descriptor.key))
            edit->setValidator(new TypedLengthValidator(
                QRegularExpression(QStringLiteral("[+-]?[ ]?[0-9]*([,.][0-9]+)?")), 5, edit));
        if (descriptor.key == QLatin1String("access_code"))
            edit->setEchoMode(QLineEdit::Password);
        if (!descriptor.visible) {
            label->hide();
            edit->hide();
            unit->hide();
        }
        row.editor = edit;
        break;
    }
    }

    if (row.editor) {
        row.editor->setObjectName(descriptor.key);
        row.editor->setProperty("originalValue", value);
    } else {
        row.group->setObjectName(descriptor.key);
    }
    row.filledState = editorState(row);

    // Connected after filling, so that filling is no change.
    using Self = UPSConfigurationWindow;
    if (auto* edit = qobject_cast<QLineEdit*>(row.editor))
        connect(edit, &QLineEdit::textChanged, this, qOverload<QString>(&Self::changed));
    else if (auto* box = qobject_cast<QCheckBox*>(row.editor))
        connect(box, &QCheckBox::stateChanged, this, qOverload<int>(&Self::changed));
    else if (auto* combo = qobject_cast<QComboBox*>(row.editor))
        connect(combo, qOverload<int>(&QComboBox::currentIndexChanged), this, qOverload<int>(&Self::changed));
    else
        connect(row.group, &QButtonGroup::idClicked, this, qOverload<int>(&Self::changed));

    row.layout->setProperty("name", descriptor.key);
    parametersGrid->addLayout(row.layout, gridRow, gridColumn);
    rows.append(row);
}

QString UPSConfigurationWindow::editorState(const Row& row) const
{
    if (auto* edit = qobject_cast<QLineEdit*>(row.editor))
        return edit->text();
    if (auto* box = qobject_cast<QCheckBox*>(row.editor))
        return ParameterValue::fromCheckBox(box->isChecked());
    // The received setting's own entry is the state the row was filled with.
    if (auto* combo = qobject_cast<QComboBox*>(row.editor))
        return QString::number(combo->currentIndex() == row.receivedIndex ? -1 : combo->currentIndex());
    if (row.receivedButton && row.group->checkedButton() == row.receivedButton)
        return QString::number(-1);
    return QString::number(row.group->checkedId());
}

QString UPSConfigurationWindow::editorValue(const Row& row) const
{
    if (auto* edit = qobject_cast<QLineEdit*>(row.editor))
        return edit->text();
    if (auto* box = qobject_cast<QCheckBox*>(row.editor))
        return ParameterValue::fromCheckBox(box->isChecked());
    if (auto* combo = qobject_cast<QComboBox*>(row.editor))
        return combo->currentText();
    QAbstractButton* checked = row.group->checkedButton();
    return checked ? checked->text() : QStringLiteral("0");
}

void UPSConfigurationWindow::changed(QString text)
{
    Q_UNUSED(text)
    updateChangeState(sender());
}

void UPSConfigurationWindow::changed(int value)
{
    Q_UNUSED(value)
    updateChangeState(sender());
}

void UPSConfigurationWindow::updateChangeState(QObject* sender)
{
    bool unchanged = true;
    for (const Row& row : qAsConst(rows)) {
        if (row.editor == sender || row.group == sender)
            unchanged = editorState(row) == row.filledState;
    }
    for (const Row& row : qAsConst(rows)) {
        if (row.editor && row.editor != sender)
            row.editor->setEnabled(unchanged);
        if (row.group && row.group != sender) {
            for (QAbstractButton* button : row.group->buttons())
                button->setEnabled(unchanged);
        }
    }
    updateNetworkFields(!dhcpEnabled);
}

void UPSConfigurationWindow::updateNetworkFields(bool enable)
{
    // Only ever turns them off: with DHCP on when the rows were built they stay off.
    for (const Row& row : qAsConst(rows)) {
        auto* edit = qobject_cast<QLineEdit*>(row.editor);
        if (edit && isNetworkAddressKey(row.key) && edit->isEnabled())
            edit->setEnabled(enable);
    }
}

QPair<QString, QString> UPSConfigurationWindow::changedParameter() const
{
    for (const Row& row : rows) {
        if (editorState(row) != row.filledState)
            return {row.key, editorValue(row)};
    }
    return {};
}

QMap<QString, QString> UPSConfigurationWindow::currentConfiguration() const
{
    QMap<QString, QString> configuration;
    for (const Row& row : rows) {
        // Untouched, every row goes back byte for byte as it came: a box on at "2",
        // a setting that is none of the choices, the choices that were not shown.
        if (editorState(row) == row.filledState)
            configuration.insert(row.key, row.originalValue);
        else if (qobject_cast<QComboBox*>(row.editor) || row.group)
            configuration.insert(row.key, ParameterValue::withCurrent(row.originalValue, editorValue(row)));
        else
            configuration.insert(row.key, editorValue(row));
    }
    return configuration;
}

void UPSConfigurationWindow::setSaveEnabled(bool enable)
{
    ui->buttonBox->button(QDialogButtonBox::Save)->setEnabled(enable);
}

QString UPSConfigurationWindow::parameterLabels(const QStringList& keys) const
{
    QStringList lines;
    for (const QString& key : keys) {
        for (const ParameterDescriptor& descriptor : parameterDescriptors) {
            if (descriptor.key == key)
                lines << QStringLiteral("- ") + descriptor.label.simplified();
        }
    }
    return lines.join(QLatin1Char('\n'));
}

bool UPSConfigurationWindow::saveAllowed() const
{
    // Save goes off when the administrator's session ends, also while a box is
    // open; an ended session is told, a Save grey for want of a map is not.
    return sessionStamp.confirmCurrent() && ui->buttonBox->button(QDialogButtonBox::Save)->isEnabled();
}

void UPSConfigurationWindow::accept()
{
    if (!saveAllowed())
        return;
    const QPair<QString, QString> change = changedParameter();
    using Check = ConfigurationSaveCheck;
    const QList<Check> checks =
        configurationSaveChecks(ups.model_name, change.first, change.second, currentConfiguration());
    for (const Check& check : checks) {
        QString text = tr(check.text);
        if (!check.parameters.isEmpty())
            text = text.arg(parameterLabels(check.parameters));
        switch (check.box) {
        case Check::Note: {
            QMessageBox note(QMessageBox::NoIcon, tr("Uwaga"), text, QMessageBox::Ok);
            note.setWindowIcon(QIcon(QStringLiteral(":/images/images/appicon_32.png")));
            note.setWindowModality(Qt::NonModal);
            note.exec();
            break;
        }
        // Yes runs a command in the device: neither Enter nor Escape may answer it.
        case Check::Question:
            if (QMessageBox::question(this, tr("Uwaga"), text, QMessageBox::Yes | QMessageBox::No,
                                      QMessageBox::No) != QMessageBox::Yes)
                return;
            break;
        case Check::WarningQuestion:
            if (QMessageBox::warning(this, tr("Uwaga"), text, QMessageBox::Yes | QMessageBox::No,
                                     QMessageBox::No) != QMessageBox::Yes)
                return;
            break;
        case Check::Notice:
            QMessageBox::warning(this, tr("Uwaga"), text);
            break;
        case Check::Refusal:
            QMessageBox::warning(this, tr("Uwaga"), text);
            return;
        }
        if (!saveAllowed())
            return;
    }
    QDialog::accept();
}

void UPSConfigurationWindow::setSession(const SessionStamp& stamp)
{
    sessionStamp = stamp;
}

SessionStamp UPSConfigurationWindow::session() const
{
    return sessionStamp;
}

void connectToService(UPSConfigurationWindow* dialog, Luminorix::UpsSocketController* controller,
                      const DialogRelay& relay)
{
    dialog->setSession(SessionStamp(controller));
    QObject::connect(&relay, &DialogRelay::deviceConfiguration, dialog,
                     &UPSConfigurationWindow::setConfiguration);
    QObject::connect(&relay, &DialogRelay::administratorLoggedOut, dialog,
                     [dialog] { dialog->setSaveEnabled(false); });
}
