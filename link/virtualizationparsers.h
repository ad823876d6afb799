#pragma once

#include "virtualizationcenteraddhostresult.h"
#include "virtualizationcenterchangehostsettingsresult.h"
#include "virtualizationcenteresxishhhost.h"
#include "virtualizationcenterhost.h"
#include "virtualizationcenterhostvmsinfo.h"
#include "vmtablewidgettypes.h"

#include <QList>
#include <QMap>
#include <QString>
#include <QXmlStreamReader>

// Readers of the virtualization centre's replies. Each starts on the reply's
// start element and returns its starting value when the element's name is not
// its own. They skip white-space text and stop at the end of the reply, of
// the document, or at the first XML error.
namespace Luminorix {

QMap<QString, QString> parseVirtualizationCenterSettings(QXmlStreamReader& reader);
QList<VirtualizationCenterHost> parseHostList(QXmlStreamReader& reader);
VirtualizationCenterEsxiShhHost parseEsxiSshHostDetails(QXmlStreamReader& reader);
VirtualizationCenterAddHostResult parseAddNewHostResult(QXmlStreamReader& reader);
VirtualizationCenterChangeHostSettingsResult parseEditHostResult(QXmlStreamReader& reader);
VmTableWidgetTypes::ManagementConfig parseHostManagement(QXmlStreamReader& reader);
QList<VmTableWidgetTypes::ActionParameters> parseActionList(QXmlStreamReader& reader);
VirtualizationCenterHostVmsInfo parseHostVmsInfo(QXmlStreamReader& reader);

// The (has_error, error_str) replies: one reader for all six, told which
// element it accepts. Without a parsable "has_error" the reply counts as failed.
void parseResultPair(QXmlStreamReader& reader, QLatin1String element, bool& hasError, QString& errorStr);
void parseTestEsxiSshHostResult(QXmlStreamReader& reader, bool& hasError, QString& errorStr);
void parseSetHostManagementResult(QXmlStreamReader& reader, bool& hasError, QString& errorStr);
void parseActionListAddResult(QXmlStreamReader& reader, bool& hasError, QString& errorStr);
void parseActionListEditResult(QXmlStreamReader& reader, bool& hasError, QString& errorStr);
void parseActionListDeleteResult(QXmlStreamReader& reader, bool& hasError, QString& errorStr);
void parseActionRunResult(QXmlStreamReader& reader, bool& hasError, QString& errorStr);

// Code tables; the text is compared without regard to case or extra blanks.
int hostStatusCode(const QString& text);
int vmStateCode(const QString& text);
int vmPendingCode(const QString& text);
int actionTypeCode(const QString& text);

} // namespace Luminorix
