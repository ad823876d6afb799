#pragma once

#include "virtualizationcenteraddhostresult.h"
#include "virtualizationcenterchangehostsettingsresult.h"
#include "virtualizationcenteresxishhhost.h"
#include "virtualizationcenterhost.h"
#include "virtualizationcenterhostvmsinfo.h"
#include "vmtablewidgettypes.h"

// Registers the common records and the virtualization-centre records under
// every name the windows use, the VmTableWidget:: spellings and the historic
// "QList<VirtualCenterHost>" and "VirtualizationCenterHostVmsIfo" included.
// Safe to call more than once.
void registerLinkMetaTypes();
