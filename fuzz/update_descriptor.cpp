// The update descriptor comes from a web server: arbitrary bytes into its reader.
#include "panel/core/updatechecker.h"

#include <QtGlobal>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray body(reinterpret_cast<const char*>(data), int(size));
    const QStringList versions = UpdateChecker::descriptorVersions(body);
    // Each version is the text of one element, so there cannot be more of them than '<'.
    if (versions.size() > body.count('<'))
        abort();
    return 0;
}
