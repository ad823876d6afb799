#pragma once

#include <QString>

class UpdateChecker;
class UpdateDownloadWindow;

// The main window's side of an update check, in the GUI thread.

// True when `offered` is newer than `own`; both must be three dot-separated
// numbers (empty parts are dropped, a part that is no number counts as 0).
bool isNewerVersion(const QString& offered, const QString& own);

// Reacts to UpdateChecker::updateAvailable: a newer version is offered and, on
// Yes, downloaded through `checker` while `downloadWindow` holds the progress
// dialog; otherwise "no updates" is reported when the user asked.
void offerUpdate(UpdateChecker* checker, bool displayUnavailableUpdateWindow, const QString& ver,
                 UpdateDownloadWindow*& downloadWindow);
