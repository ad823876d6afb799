#pragma once

#include <QString>

// Shows a self-deleting, non-modal information box and returns at once.
// Belongs to the GUI thread.
void showMessageBox(const QString& title, const QString& text);
