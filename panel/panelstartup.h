#pragma once

#include <QString>
#include <QStringList>

class QApplication;
class QTranslator;

// The steps of the control panel's start, split out so that tests can run each one.

// Translation code for the `language` setting; anything unknown takes the system locale's.
QString translationCode(const QString& languageSetting);

// Loads Qt's and the program's own translations for `code` from the resources and
// installs both, loaded or not.
void installTranslators(const QString& code, QTranslator& qtTranslator, QTranslator& ownTranslator);

// The application-wide style sheet from the resources; a missing one is ignored.
void applyStyleSheet(QApplication& application);

// Only the one argument "--hide", exactly, starts the panel in the tray.
// `arguments` include the program name first.
bool startsHidden(const QStringList& arguments);

// The whole program: returns its exit code.
int runControlPanel(int& argc, char** argv);
