#include "pollreplies.h"

QString PollReplies::deviceState()
{
    QString xml = QStringLiteral("<ups_device_state isUpsFound=\"1\" isProperDevice=\"1\">");
    for (int i = 0; i < 100; ++i) {
        const QString value = i % 4 == 0
                                  ? QStringLiteral("%1.5;%2.1;%3.9").arg(200 + i).arg(201 + i).arg(199 + i)
                                  : QStringLiteral("%1.%2").arg(i * 3).arg(i % 10);
        xml += QStringLiteral("<parameter_%1>%2</parameter_%1>").arg(i).arg(value);
    }
    return xml + QStringLiteral("</ups_device_state>");
}

QString PollReplies::statusList()
{
    QString xml = QStringLiteral("<ups_current_status_list>");
    for (int i = 0; i < 16; ++i) {
        xml += QStringLiteral(
                   "<ups><id>%1</id><status>on_power_line</status><connected>1</connected>"
                   "<parallel_unit>0</parallel_unit><unit_address>%1</unit_address><master>%2</master>"
                   "<power_compensation>0</power_compensation><output_socket1>1</output_socket1>"
                   "<output_socket2>0</output_socket2><ups_shutdown_supported>1</"
                   "ups_shutdown_supported></ups>")
                   .arg(i)
                   .arg(i == 0 ? 1 : 0);
    }
    return xml + QStringLiteral("</ups_current_status_list>");
}
