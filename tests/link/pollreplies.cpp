#include "pollreplies.h"

QString PollReplies::deviceState(int round)
{
    QString xml = QStringLiteral("<ups_device_state isUpsFound=\"1\" isProperDevice=\"1\">");
    for (int i = 0; i < 100; ++i) {
        const QString value = i % 4 == 0
                                  ? QStringLiteral("%1.5;%2.1;%3.9").arg(200 + i).arg(201 + i).arg(199 + i)
                                  : QStringLiteral("%1.%2").arg(i * 3 + (i % 8 == 1 ? round : 0)).arg(i % 10);
        xml += QStringLiteral("<parameter_%1>%2</parameter_%1>").arg(i).arg(value);
    }
    return xml + QStringLiteral("</ups_device_state>");
}

QString PollReplies::statusList(int devices, int round)
{
    static const char* const statuses[] = {"on_power_line", "on_battery", "bypass", "no_communication"};
    QString xml = QStringLiteral("<ups_current_status_list>");
    for (int i = 0; i < devices; ++i) {
        // Rounds 1, 1 + devices, ... touch device 0; rounds 2, 2 + devices, ... device 1.
        const int touched = round > i ? (round - 1 - i) / devices + 1 : 0;
        xml += QStringLiteral(
                   "<ups><id>%1</id><status>%3</status><connected>1</connected>"
                   "<parallel_unit>0</parallel_unit><unit_address>%1</unit_address><master>%2</master>"
                   "<power_compensation>0</power_compensation><output_socket1>1</output_socket1>"
                   "<output_socket2>0</output_socket2><ups_shutdown_supported>1</"
                   "ups_shutdown_supported></ups>")
                   .arg(i)
                   .arg(i == 0 ? 1 : 0)
                   .arg(QLatin1String(statuses[touched % 4]));
    }
    return xml + QStringLiteral("</ups_current_status_list>");
}
