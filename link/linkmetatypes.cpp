#include "linkmetatypes.h"

#include "common/metatypes.h"

#include <QList>
#include <QMap>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QVector>

void registerLinkMetaTypes()
{
    registerCommonMetaTypes();

    qRegisterMetaType<QMap<QString, QString>>("QMap<QString,QString>");
    qRegisterMetaType<QVector<QString>>("QVector<QString>");
    qRegisterMetaType<QList<QPair<int, int>>>("QList<QPair<int,int> >");

    qRegisterMetaType<VirtualizationCenterHost>("VirtualizationCenterHost");
    qRegisterMetaType<QList<VirtualizationCenterHost>>("QList<VirtualizationCenterHost>");
    qRegisterMetaType<QList<VirtualizationCenterHost>>("QList<VirtualCenterHost>");
    qRegisterMetaType<VirtualizationCenterEsxiShhHost>("VirtualizationCenterEsxiShhHost");
    qRegisterMetaType<VirtualizationCenterAddHostResult>("VirtualizationCenterAddHostResult");
    qRegisterMetaType<VirtualizationCenterChangeHostSettingsResult>(
        "VirtualizationCenterChangeHostSettingsResult");
    qRegisterMetaType<VirtualizationCenterVmInfo>("VirtualizationCenterVmInfo");
    qRegisterMetaType<VirtualizationCenterHostVmsInfo>("VirtualizationCenterHostVmsInfo");
    qRegisterMetaType<VirtualizationCenterHostVmsInfo>("VirtualizationCenterHostVmsIfo");

    qRegisterMetaType<VmActionTarget>("VmActionTarget");
    qRegisterMetaType<QList<VmActionTarget>>("QList<VmActionTarget>");
    qRegisterMetaType<VmTableWidgetTypes::ManagementConfig>("VmTableWidgetTypes::ManagementConfig");
    qRegisterMetaType<VmTableWidgetTypes::ManagementConfig>("VmTableWidget::ManagementConfig");
    qRegisterMetaType<VmTableWidgetTypes::ActionParameters>("VmTableWidgetTypes::ActionParameters");
    qRegisterMetaType<VmTableWidgetTypes::ActionParameters>("VmTableWidget::ActionParameters");
    qRegisterMetaType<QList<VmTableWidgetTypes::ActionParameters>>(
        "QList<VmTableWidgetTypes::ActionParameters>");
    qRegisterMetaType<QList<VmTableWidgetTypes::ActionParameters>>("QList<VmTableWidget::ActionParameters>");
}
