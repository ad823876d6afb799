#include "updatedownloadwindow.h"

#include "common/messagebox.h"
#include "panel/core/updatechecker.h"
#include "ui_updatedownloadwindow.h"

UpdateDownloadWindow::UpdateDownloadWindow(QWidget* parent)
    : QDialog(parent), ui(new Ui::UpdateDownloadWindow)
{
    ui->setupUi(this);
    setWindowTitle(tr("Trwa pobieranie aktualizacji"));
}

UpdateDownloadWindow::~UpdateDownloadWindow()
{
    delete ui;
}

void UpdateDownloadWindow::updateDownloadProgress(int val)
{
    ui->downloadProgressBar->setValue(val);
}

void UpdateDownloadWindow::updateDownloadFinished()
{
    // The download is over: closing must not cancel anything.
    QDialog::reject();
}

void UpdateDownloadWindow::updateDownlaodError(QString text)
{
    ui->downloadProgressBar->setValue(0);
    showMessageBox(tr("Błąd"), text);
    QDialog::reject();
}

void UpdateDownloadWindow::reject()
{
    emit downloadUpdateCanceled();
    QDialog::reject();
}

void connectToChecker(UpdateDownloadWindow* dialog, UpdateChecker* checker)
{
    QObject::connect(checker, &UpdateChecker::updateDownloadProgress, dialog,
                     &UpdateDownloadWindow::updateDownloadProgress);
    QObject::connect(checker, &UpdateChecker::updateDownloadFinished, dialog,
                     &UpdateDownloadWindow::updateDownloadFinished);
    QObject::connect(checker, &UpdateChecker::updateDownloadError, dialog,
                     &UpdateDownloadWindow::updateDownlaodError);
    QObject::connect(dialog, &UpdateDownloadWindow::downloadUpdateCanceled, checker,
                     &UpdateChecker::cancelDownloadingNewVersion);
}
