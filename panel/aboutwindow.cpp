#include "aboutwindow.h"

#include "programversion.h"
#include "ui_aboutwindow.h"

AboutWindow::AboutWindow(QWidget* parent) : QDialog(parent), ui(new Ui::AboutWindow)
{
    ui->setupUi(this);
    // The form carries a placeholder so that translators keep one text for every release.
    QString version = ui->versionLabel->text();
    version.replace(QStringLiteral("x.x.x"), QLatin1String(programVersion), Qt::CaseSensitive);
    ui->versionLabel->setText(version);
    setFixedSize(size());
}

AboutWindow::~AboutWindow()
{
    delete ui;
}
