#pragma once

#include "common/event.h"
#include "common/ups.h"
#include "conditioncheck.h"

#include <QDialog>
#include <QMap>
#include <QStringList>
#include <QVector>

class QListWidget;
class QListWidgetItem;
class QTextEdit;
class Ui_AdvancedOptionsWindow;

// Names a user-defined event of an advanced model and writes its start and end
// conditions in the infix language, with the device's items, the values and
// the operators as pickers and a live check of each condition. A successful
// save leaves [name, start postfix, end postfix] in eventDefinition(). It talks
// to no service: the event editor hands it what it needs and reads the result.
class AdvancedOptionsWindow : public QDialog
{
    Q_OBJECT

public:
    // `definition` is empty, [name] or [name, start postfix, end postfix];
    // `events` are the caller's events, read for the duplicate-name check only.
    AdvancedOptionsWindow(const Luminorix::Utils::Ups& device, const QStringList& definition,
                          const QVector<Event>* events, QWidget* parent = nullptr);
    ~AdvancedOptionsWindow() override;

    // True disables "Zapisz jako nowy", false disables "Zapisz".
    void disableSaveButton(bool saveAsNew);
    QStringList eventDefinition() const;
    // [name, start postfix, end postfix] from what is in the dialog, or empty
    // when a condition does not parse.
    QStringList buildEventDefinition() const;

    bool isStateName(const QString& text) const;
    bool isParamName(const QString& text) const;

    static QString spaceOperators(const QString& infix);
    static QString postfixToInfix(const QString& postfix, const QStringList& operators);

public slots:
    void listItemDoubleClicked(QListWidgetItem* item);
    void expressionChanged();
    void accept() override;

private slots:
    void filterInTextChanged(const QString& arg);
    void filterOutTextChanged(const QString& arg);

protected:
    void showEvent(QShowEvent* event) override;

private:
    bool readDescription();
    void fillItems(QListWidget* list, const QString& pattern);
    void fitStateLists();
    QString nameRefusal(const QString& name) const;

    Ui_AdvancedOptionsWindow* ui;
    QStringList m_definition;
    Luminorix::Utils::Ups m_device;
    QString m_openingName;
    QMap<QString, QString> m_texts;
    QStringList m_values;
    QStringList m_operators;
    QStringList m_offeredKeys;
    const QVector<Event>* m_events;
    ConditionCheck m_check;
};
