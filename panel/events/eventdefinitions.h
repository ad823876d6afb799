#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

// One row of a built-in event table: the event key, its display name (a
// source text of the context "NetworkConfigurationWindow", translated where it
// is shown) and the conditions that start and end it, in the postfix form the
// service evaluates.
struct EventDefinition
{
    const char* key;
    const char* name;
    const char* expressionIn;
    const char* expressionOut;
};

// Table A: the models whose normal operation is stateNormal alone.
const QVector<EventDefinition>& defaultEventDefinitionTable();
// Table B: the models for which an active AVR is normal operation too.
const QVector<EventDefinition>& avrEventDefinitionTable();

// Which of the two tables a model's events are read and written with.
bool usesAvrEventDefinitions(const QString& modelName);
// Models whose events are the user's own definitions instead of table rows.
bool isAdvancedEventModel(const QString& modelName);
// The event keys a model offers for a new event, in the order they are listed.
QStringList offeredEventKeysForModel(const QString& modelName);
