#include "addupsprompt.h"

#include "common/localsettings.h"

#include <QCheckBox>
#include <QMessageBox>

bool AddUpsPrompt::ask(QWidget* parent)
{
    QMessageBox box(
        QMessageBox::Question, tr("Brak zasilaczy UPS"),
        tr("Aktualnie Luminorix nie monitoruje żadnego urządzenia.\n\nDodaj posiadany model UPS do "
           "Luminorix, aby umożliwić jego monitorowanie.\nLuminorix, po wcześniejszej konfiguracji "
           "zdarzeń, będzie mógł dokonać\nbezpiecznego zamknięcia systemu na wypadek utraty "
           "zasilania.\n\nCzy chcesz dodać nowy UPS teraz?\n"),
        QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::Yes);
    auto* dontShow = new QCheckBox(tr("Nie pokazuj ponownie tego komunikatu"), &box);
    box.setCheckBox(dontShow);
    const int answer = box.exec();
    if (dontShow->isChecked())
        LocalSettings().setDontShowAddUpsPrompt(true);
    return answer == QMessageBox::Yes;
}
