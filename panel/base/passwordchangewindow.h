#pragma once

#include "sessionstamp.h"

#include <QDialog>
#include <QMap>
#include <QString>

class DialogRelay;
class AnswerWait;
namespace Luminorix {
class UpsSocketController;
}
namespace Ui {
class PasswordChangeWindow;
}

// Changes a password the service holds: the administrator's own, or a
// networked computer's. The opener decides which by connecting the digest
// reply to comparePasswords or to compareNetclientPassword. The old password is
// checked here against the digest; only the new one travels.
class PasswordChangeWindow : public QDialog
{
    Q_OBJECT

public:
    // Whose password: the service's administrator's, or a networked computer's.
    enum Mode
    {
        AdministratorMode,
        NetClientMode
    };

    PasswordChangeWindow(QString name, Luminorix::UpsSocketController* controller, QWidget* parent = nullptr);
    ~PasswordChangeWindow() override;

    // The new password as it stands in the form.
    QString newPassword() const;

signals:
    void changePassword(QMap<QString, QString> parameters);
    void changeNetclientPassword(QString pass);
    void getPassword();

public slots:
    // Asks for the current digest; the dialog stays open for the answer.
    void accept() override;
    void reject() override;
    void comparePasswords(QString password);
    void compareNetclientPassword(QString password);
    void passwordChanged();
    void noResponseTimerTimeout();

private:
    bool oldPasswordMatches(const QString& digest);
    bool repetitionMatches();

    Ui::PasswordChangeWindow* ui;
    AnswerWait* answerWait;
    Luminorix::UpsSocketController* controller;
    SessionStamp session;
    QString storedNewPassword;
    bool administrator = false;
    bool adminChangeSent = false;
};

// The dialog's links to the service controller. Administrator mode: the digest
// request, the digest, the change and its confirmation. Net-client mode: the
// digest and the confirmation only; the opener asks for the computer's digest and
// sends its new password itself, from its own slots.
void connectToService(PasswordChangeWindow* dialog, Luminorix::UpsSocketController* controller,
                      const DialogRelay& relay,
                      PasswordChangeWindow::Mode mode = PasswordChangeWindow::AdministratorMode);
