#include "messagebox.h"

#include <QIcon>
#include <QMessageBox>

void showMessageBox(const QString& title, const QString& text)
{
    // No parent: the box blocks no window and outlives its caller.
    auto* box = new QMessageBox();
    box->setWindowTitle(title);
    box->setText(text);
    box->setWindowIcon(QIcon(QStringLiteral(":/images/images/appicon_32.png")));
    box->setWindowModality(Qt::NonModal);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}
