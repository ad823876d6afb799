#include "smtptestwindow.h"

#include "common/showntext.h"
#include "panel/base/answerwait.h"
#include "panel/base/dialogrelay.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMovie>
#include <QTextCursor>
#include <QTextEdit>
#include <QVBoxLayout>

namespace {
const int noCommunicationMs = 10000;
const int statusBusy = 1;
const int statusSuccess = 100;
const int noAnswerStatus = 200;

enum ViewState
{
    ViewError = 1,
    ViewBusy = 2,
    ViewSuccess = 3
};
} // namespace

SmtpTestWindow::SmtpTestWindow(QWidget* parent)
    : QDialog(parent), mainLayout(new QVBoxLayout), statusLayout(new QHBoxLayout),
      statusIconLabel(new QLabel), statusTextLabel(new QLabel), messagesGroup(new QGroupBox),
      messagesEdit(new QTextEdit), buttonLayout(new QHBoxLayout),
      buttonBox(new QDialogButtonBox(QDialogButtonBox::Ok)),
      noCommunicationWait(new AnswerWait(this, noCommunicationMs, "noCommunicationWait")),
      okPixmap(QStringLiteral(":/images/images/status_ok_48.png")),
      errorPixmap(QStringLiteral(":/images/images/status_err_48.png")),
      busyMovie(new QMovie(QStringLiteral(":/images/images/spinner_2_48.gif")))
{
    statusIconLabel->setObjectName(QStringLiteral("statusIconLabel"));
    statusTextLabel->setObjectName(QStringLiteral("statusTextLabel"));
    messagesGroup->setObjectName(QStringLiteral("messagesGroup"));
    messagesEdit->setObjectName(QStringLiteral("messagesEdit"));
    buttonBox->setObjectName(QStringLiteral("buttonBox"));

    setWindowTitle(tr("Test konfiguracji SMTP"));
    setLayout(mainLayout);

    statusIconLabel->setMinimumSize(48, 48);
    statusIconLabel->setMaximumSize(48, 48);
    statusIconLabel->setPixmap(QPixmap());
    statusTextLabel->setText(QString());
    statusTextLabel->setStyleSheet(QStringLiteral("font: bold; font-size: 16px;"));
    statusTextLabel->setMinimumWidth(21);

    statusLayout->addStretch(1);
    statusLayout->addWidget(statusIconLabel);
    statusLayout->addWidget(statusTextLabel);
    statusLayout->addStretch(1);
    mainLayout->addLayout(statusLayout);

    messagesGroup->setTitle(tr("Test konfiguracji SMTP"));
    auto* groupLayout = new QVBoxLayout(messagesGroup);
    messagesEdit->clear();
    messagesEdit->setReadOnly(true);
    messagesEdit->setMinimumSize(400, 200);
    messagesEdit->setMaximumSize(400, 200);
    groupLayout->addWidget(messagesEdit);
    mainLayout->addWidget(messagesGroup);

    buttonLayout->addStretch(1);
    buttonLayout->addWidget(buttonBox);
    buttonLayout->addStretch(1);
    mainLayout->addLayout(buttonLayout);

    setStatusView(0, QString());

    connect(buttonBox, &QDialogButtonBox::accepted, this, &SmtpTestWindow::accept);
    connect(noCommunicationWait, &AnswerWait::expired, this, &SmtpTestWindow::noCommunicationTimeout);
    noCommunicationWait->start();

    setStatusView(ViewBusy, tr("Inicjalizacja testu..."));
}

SmtpTestWindow::~SmtpTestWindow()
{
    // The label only borrows the movie.
    statusIconLabel->setMovie(nullptr);
    delete busyMovie;
}

void SmtpTestWindow::displayTestStatus(int status, QStringList messages)
{
    // Only a real report ends the wait; a status of 0 or less may be a stray one.
    if (status > 0)
        noCommunicationWait->stop();

    if (status == statusBusy)
        setStatusView(ViewBusy, tr("Testowanie konfiguracji..."));
    else if (status == statusSuccess)
        setStatusView(ViewSuccess, tr("Konfiguracja prawidłowa"));
    else
        setStatusView(ViewError, tr("Konfiguracja błędna"));

    // The service's texts are shown as they are, never as markup.
    QTextCursor cursor(messagesEdit->document());
    cursor.movePosition(QTextCursor::End);
    for (const QString& message : messages) {
        if (!firstMessage)
            cursor.insertBlock();
        cursor.insertText(ShownText::bounded(message, ShownText::editor));
        firstMessage = false;
    }
}

void SmtpTestWindow::setStatusView(int viewState, QString text)
{
    statusTextLabel->setText(text);
    switch (viewState) {
    case ViewBusy:
        statusIconLabel->setMovie(busyMovie);
        busyMovie->start();
        statusTextLabel->setStyleSheet(QStringLiteral("color: #59595B; font: bold; font-size: 16px;"));
        break;
    case ViewError:
        busyMovie->stop();
        statusIconLabel->setPixmap(errorPixmap);
        statusTextLabel->setStyleSheet(QStringLiteral("color: #de1414; font: bold; font-size: 16px;"));
        break;
    case ViewSuccess:
        busyMovie->stop();
        statusIconLabel->setPixmap(okPixmap);
        statusTextLabel->setStyleSheet(QStringLiteral("color: #00aa44; font: bold; font-size: 16px;"));
        break;
    default:
        busyMovie->stop();
        statusIconLabel->setPixmap(QPixmap());
        statusTextLabel->setStyleSheet(QStringLiteral("color: #59595B; font: bold; font-size: 16px;"));
        break;
    }
}

void SmtpTestWindow::accept()
{
    QDialog::accept();
}

void SmtpTestWindow::noCommunicationTimeout()
{
    displayTestStatus(noAnswerStatus,
                      {tr("Usługa nie odpowiada. Czy wersja usługi jest zgodna z wersją panelu kontrolnego "
                          "Luminorix?")});
}

void connectToService(SmtpTestWindow* dialog, Luminorix::UpsSocketController* /*controller*/,
                      const DialogRelay& relay)
{
    QObject::connect(&relay, &DialogRelay::smtpTestStatus, dialog, &SmtpTestWindow::displayTestStatus);
}
