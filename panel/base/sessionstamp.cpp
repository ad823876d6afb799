#include "sessionstamp.h"

#include "common/messagebox.h"
#include "link/upssocketcontroller.h"

SessionStamp::SessionStamp(Luminorix::UpsSocketController* controller)
    : controller(controller), stamp(controller ? controller->session()->stamp() : 0)
{
}

bool SessionStamp::isCurrent() const
{
    return controller && controller->session()->isCurrent(stamp);
}

bool SessionStamp::confirmCurrent() const
{
    if (isCurrent())
        return true;
    tellEnded();
    return false;
}

bool SessionStamp::send(const std::function<void()>& requests) const
{
    if (controller && controller->sendAsAdministrator(stamp, requests))
        return true;
    tellEnded();
    return false;
}

bool SessionStamp::changeDigest(const QString& digest) const
{
    return controller && controller->session()->changeDigest(stamp, digest);
}

void SessionStamp::tellEnded()
{
    showMessageBox(tr("Sesja zakończona"),
                   tr("Sesja administratora zakończyła się, zmiany nie zostały wysłane. Zaloguj się "
                      "ponownie, aby je wysłać."));
}
