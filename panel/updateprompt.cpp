#include "updateprompt.h"

#include "common/messagebox.h"
#include "panel/base/dialogguard.h"
#include "panel/core/updatechecker.h"
#include "programversion.h"
#include "updatedownloadwindow.h"

#include <QCoreApplication>
#include <QIcon>
#include <QLabel>
#include <QMessageBox>
#include <QStringList>

// Texts in the context "LuminorixWindow" on purpose: the prompt is the main window's.

bool isNewerVersion(const QString& offered, const QString& own)
{
    const QStringList offeredParts = offered.split(QLatin1Char('.'), Qt::SkipEmptyParts, Qt::CaseSensitive);
    const QStringList ownParts = own.split(QLatin1Char('.'), Qt::SkipEmptyParts, Qt::CaseSensitive);
    if (offeredParts.size() != 3 || ownParts.size() != 3)
        return false;
    for (int i = 0; i < 3; ++i) {
        const int o = offeredParts.at(i).toInt(nullptr, 10);
        const int c = ownParts.at(i).toInt(nullptr, 10);
        if (o != c)
            return o > c;
    }
    return false;
}

void offerUpdate(UpdateChecker* checker, bool displayUnavailableUpdateWindow, const QString& ver,
                 UpdateDownloadWindow*& downloadWindow)
{
    if (!isNewerVersion(ver, QLatin1String(programVersion))) {
        if (displayUnavailableUpdateWindow)
            showMessageBox(QCoreApplication::translate("LuminorixWindow", "Aktualizacja"),
                           QCoreApplication::translate("LuminorixWindow", "Brak dostępnych aktualizacji"));
        return;
    }
    // A download already follows an earlier offer.
    if (downloadWindow)
        return;

    QMessageBox box;
    box.setWindowIcon(QIcon(QStringLiteral(":/images/images/appicon_32.png")));
    box.setIcon(QMessageBox::Question);
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(QMessageBox::No); // Yes starts a download: Enter must not
    box.setWindowTitle(QCoreApplication::translate("LuminorixWindow", "Aktualizacja oprogramowania"));
    box.setTextFormat(Qt::PlainText);
    box.setText(QCoreApplication::translate("LuminorixWindow", "Dostępna jest nowa wersja Luminorix!"));
    // The version comes from the web: shown as text, never as markup.
    box.setInformativeText(QCoreApplication::translate("LuminorixWindow", " Czy chcesz pobrać Luminorix ") +
                           ver + QStringLiteral("?"));
    if (auto* informative = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_informativelabel")))
        informative->setTextFormat(Qt::PlainText);
    if (box.exec() != QMessageBox::Yes)
        return;

    DialogGuard dialog(downloadWindow, new UpdateDownloadWindow);
    connectToChecker(dialog.get(), checker);
    QMetaObject::invokeMethod(checker, "startDownloadingNewVersion", Qt::QueuedConnection);
    dialog->exec();
}
