#pragma once

#include <QString>

// Host name of the maker's web site: the online manual and the update descriptor live there.
// LX_MAKER_HOST overrides it so tests can point the panel at a local server.
QString makerWebHost();
