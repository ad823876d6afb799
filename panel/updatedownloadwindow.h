#pragma once

#include <QDialog>
#include <QString>

class UpdateChecker;
namespace Ui {
class UpdateDownloadWindow;
}

// Progress of the installer download; closing it cancels the download.
class UpdateDownloadWindow : public QDialog
{
    Q_OBJECT

public:
    explicit UpdateDownloadWindow(QWidget* parent = nullptr);
    ~UpdateDownloadWindow() override;

signals:
    void downloadUpdateCanceled();

public slots:
    void updateDownloadProgress(int val);
    void updateDownloadFinished();
    void updateDownlaodError(QString text);

private slots:
    void reject() override;

private:
    Ui::UpdateDownloadWindow* ui;
};

// The dialog's links to the update checker, which lives in its own thread: the
// download's progress, end and error come in queued, and closing the dialog
// cancels the download there.
void connectToChecker(UpdateDownloadWindow* dialog, UpdateChecker* checker);
