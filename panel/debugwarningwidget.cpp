#include "debugwarningwidget.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QTimer>

DebugWarningWidget::DebugWarningWidget(QWidget* parent)
    : QWidget(parent), blinkTimer(new QTimer(this)), warningLayout(new QHBoxLayout),
      warningIconLabel(new QLabel), warningTextLabel(new QLabel)
{
    blinkTimer->setInterval(1000);
    connect(blinkTimer, &QTimer::timeout, this, &DebugWarningWidget::timeout);

    warningIconLabel->setObjectName(QStringLiteral("warningIconLabel"));
    warningIconLabel->setPixmap(QPixmap(QStringLiteral(":/images/images/warning.png")));
    warningTextLabel->setObjectName(QStringLiteral("warningTextLabel"));
    warningTextLabel->setText(tr("TRYB DEBUGOWANIA"));
    warningTextLabel->setStyleSheet(QStringLiteral("color: red; font: bold 20px;"));

    warningLayout->addWidget(warningIconLabel);
    warningLayout->addWidget(warningTextLabel);
    setLayout(warningLayout);

    // Only the labels blink; they wait hidden for the first tick. Their room is kept while
    // hidden, or the whole form would jump by the difference at every tick.
    for (QLabel* label : {warningIconLabel, warningTextLabel}) {
        QSizePolicy policy = label->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        label->setSizePolicy(policy);
    }
    warningIconLabel->setVisible(false);
    warningTextLabel->setVisible(false);
}

DebugWarningWidget::~DebugWarningWidget()
{
    blinkTimer->stop();
}

void DebugWarningWidget::startBlinking()
{
    blinkTimer->start(1000);
}

void DebugWarningWidget::stopBlinking()
{
    blinkTimer->stop();
    warningIconLabel->setVisible(false);
    warningTextLabel->setVisible(false);
}

void DebugWarningWidget::timeout()
{
    warningIconLabel->setVisible(!warningIconLabel->isVisible());
    warningTextLabel->setVisible(!warningTextLabel->isVisible());
}
