#pragma once

#include <QDialog>
#include <QString>

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
