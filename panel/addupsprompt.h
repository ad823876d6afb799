#pragma once

#include <QCoreApplication>

class QWidget;

// The question after an empty device list: add a first UPS now? Its box can turn
// itself off for good, whichever the answer.
class AddUpsPrompt
{
    Q_DECLARE_TR_FUNCTIONS(AddUpsPrompt)

public:
    // True on Yes.
    static bool ask(QWidget* parent);
};
