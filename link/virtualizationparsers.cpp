#include "virtualizationparsers.h"

#include "owntext.h"

namespace Luminorix {

namespace {
using Reader = QXmlStreamReader;

bool reading(const Reader& r)
{
    return !r.atEnd() && !r.hasError();
}

bool named(const Reader& r, const char* element)
{
    return r.name() == QLatin1String(element);
}

struct Field
{
    QString name;
    QString text;
    bool parsed = false;
    int number = 0;

    bool is(const char* fieldName) const { return name == QLatin1String(fieldName); }
    int identifier() const { return parsed ? number : -1; }
    bool positive() const { return parsed && number > 0; }
};

// Hands each element that directly holds text (or nothing) to `store`; stops
// storing at an end tag that closes no such element, normally the reply's own.
// True when the reply's own end tag was reached: the reading goes on to it
// past any such stop, so that only a broken document counts as cut off.
template <typename Store> bool readFields(Reader& r, Store store)
{
    Field field;
    bool open = false;
    bool storing = true;
    int depth = 0;
    while (reading(r)) {
        if (r.isStartElement()) {
            ++depth;
            field.name = ownText(r.name());
            field.text.clear();
            open = true;
        } else if (r.isCharacters() && !r.isWhitespace() && open) {
            field.text = ownText(r.text());
        } else if (r.isEndElement()) {
            --depth;
            if (!open)
                storing = false;
            if (storing) {
                field.number = field.text.toInt(&field.parsed, 10);
                store(field);
            }
            open = false;
            if (depth == 0)
                return true;
        }
        r.readNext();
    }
    return false;
}

QString loweredName(const Reader& r)
{
    return r.name().toString().simplified().toLower();
}

// The element's text into `text`; false, leaving it, when a reader error cut
// the text off or the element holds elements.
bool takeText(Reader& r, QString* text)
{
    const QString read = r.readElementText();
    if (r.hasError())
        return false;
    *text = read;
    return true;
}

void takeLowered(Reader& r, QString* text)
{
    if (takeText(r, text))
        *text = text->simplified().toLower();
}

// A number, or `unparsed` for a text that is not one.
void takeNumber(Reader& r, int* number, int unparsed)
{
    QString text;
    if (!takeText(r, &text))
        return;
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    *number = ok ? value : unparsed;
}

void takePositive(Reader& r, bool* flag)
{
    int number = 0;
    takeNumber(r, &number, 0);
    *flag = number > 0;
}

template <typename Result> Result readHostResult(Reader& r, const char* element)
{
    Result result;
    if (!named(r, element))
        return result;
    const bool complete = readFields(r, [&](const Field& f) {
        if (f.is("type"))
            result.type = f.identifier();
        else if (f.is("id"))
            result.id = f.identifier();
        else if (f.is("has_error"))
            result.has_error = f.positive();
        else if (f.is("error_str"))
            result.error_str = f.text;
    });
    // A cut-off result may have lost the error it reported.
    if (!complete)
        result.has_error = true;
    return result;
}
} // namespace

int hostStatusCode(const QString& text)
{
    const QString key = text.simplified().toLower();
    if (key == QLatin1String("hs_host_disabled"))
        return 1;
    if (key == QLatin1String("hs_host_disabled_bylogfail"))
        return 2;
    if (key == QLatin1String("hs_host_offline") || key == QLatin1String("hs_host_offline_action_initiated"))
        return 3;
    if (key == QLatin1String("hs_host_online"))
        return 4;
    if (key == QLatin1String("hs_host_invalid"))
        return 5;
    return 0;
}

int vmStateCode(const QString& text)
{
    const QString key = text.simplified().toLower();
    if (key == QLatin1String("ps_powered_on"))
        return 1;
    if (key == QLatin1String("ps_suspended"))
        return 2;
    if (key == QLatin1String("ps_powered_off"))
        return 3;
    return 0;
}

int vmPendingCode(const QString& text)
{
    const QString key = text.simplified().toLower();
    if (key == QLatin1String("pa_power_on"))
        return 1;
    if (key == QLatin1String("pa_power_suspend"))
        return 2;
    if (key == QLatin1String("pa_power_off"))
        return 3;
    if (key == QLatin1String("pa_power_reset"))
        return 4;
    return 0;
}

int actionTypeCode(const QString& text)
{
    const QString key = text.simplified().toLower();
    if (key == QLatin1String("power_on"))
        return 0;
    if (key == QLatin1String("suspend"))
        return 2;
    if (key == QLatin1String("reset"))
        return 3;
    return 1;
}

QMap<QString, QString> parseVirtualizationCenterSettings(QXmlStreamReader& r)
{
    QMap<QString, QString> settings;
    if (!named(r, "virtualization_center_settings"))
        return settings;
    readFields(r, [&](const Field& f) { settings.insert(f.name, f.text); });
    return settings;
}

QList<VirtualizationCenterHost> parseHostList(QXmlStreamReader& r)
{
    QList<VirtualizationCenterHost> hosts;
    if (!named(r, "virtualization_center_host_list"))
        return hosts;
    VirtualizationCenterHost host;
    bool open = false;
    while (reading(r)) {
        r.readNext();
        if (r.isStartElement()) {
            if (!open) {
                if (named(r, "host")) {
                    host = VirtualizationCenterHost();
                    open = true;
                }
            } else if (named(r, "type")) {
                takeNumber(r, &host.type, 0);
            } else if (named(r, "id")) {
                takeNumber(r, &host.id, 0);
            } else if (named(r, "name")) {
                takeText(r, &host.name);
            } else if (named(r, "is_disabled")) {
                takePositive(r, &host.is_disabled);
            } else if (named(r, "is_disabled_logfail")) {
                takePositive(r, &host.is_disabled_logfail);
            }
        } else if (r.isEndElement() && open && named(r, "host")) {
            hosts.append(host);
            open = false;
        }
    }
    return hosts;
}

VirtualizationCenterEsxiShhHost parseEsxiSshHostDetails(QXmlStreamReader& r)
{
    VirtualizationCenterEsxiShhHost host;
    if (!named(r, "virtualization_center_esxisshhost_details"))
        return host;
    readFields(r, [&](const Field& f) {
        if (f.is("type"))
            host.type = f.identifier();
        else if (f.is("id"))
            host.id = f.identifier();
        else if (f.is("is_enabled"))
            host.is_enabled = f.positive();
        else if (f.is("is_disabled_logfail"))
            host.is_disabled_logfail = f.positive();
        else if (f.is("name"))
            host.name = f.text;
        else if (f.is("address"))
            host.address = f.text;
        else if (f.is("port"))
            host.port = f.identifier();
        else if (f.is("user_name"))
            host.user_name = f.text;
        else if (f.is("auth_method_password"))
            host.auth_method_password = f.positive();
    });
    return host;
}

VirtualizationCenterAddHostResult parseAddNewHostResult(QXmlStreamReader& r)
{
    return readHostResult<VirtualizationCenterAddHostResult>(r, "virtualization_center_add_new_host_result");
}

VirtualizationCenterChangeHostSettingsResult parseEditHostResult(QXmlStreamReader& r)
{
    return readHostResult<VirtualizationCenterChangeHostSettingsResult>(
        r, "virtualization_center_edit_host_result");
}

void parseResultPair(QXmlStreamReader& r, QLatin1String element, bool& hasError, QString& errorStr)
{
    hasError = true;
    errorStr.clear();
    if (r.name() != element)
        return;
    const bool complete = readFields(r, [&](const Field& f) {
        if (f.is("has_error")) {
            if (f.parsed)
                hasError = f.number > 0;
        } else if (f.is("error_str")) {
            errorStr = f.text;
        }
    });
    if (!complete)
        hasError = true;
}

void parseTestEsxiSshHostResult(QXmlStreamReader& r, bool& hasError, QString& errorStr)
{
    parseResultPair(r, QLatin1String("virtualization_center_test_esxisshhost_result"), hasError, errorStr);
}

void parseSetHostManagementResult(QXmlStreamReader& r, bool& hasError, QString& errorStr)
{
    parseResultPair(r, QLatin1String("virtualization_center_set_host_management_result"), hasError, errorStr);
}

void parseActionListAddResult(QXmlStreamReader& r, bool& hasError, QString& errorStr)
{
    parseResultPair(r, QLatin1String("virtualization_center_action_list_add_result"), hasError, errorStr);
}

void parseActionListEditResult(QXmlStreamReader& r, bool& hasError, QString& errorStr)
{
    parseResultPair(r, QLatin1String("virtualization_center_action_list_edit_result"), hasError, errorStr);
}

void parseActionListDeleteResult(QXmlStreamReader& r, bool& hasError, QString& errorStr)
{
    parseResultPair(r, QLatin1String("virtualization_center_action_list_delete_result"), hasError, errorStr);
}

void parseActionRunResult(QXmlStreamReader& r, bool& hasError, QString& errorStr)
{
    parseResultPair(r, QLatin1String("virtualization_center_action_run_result"), hasError, errorStr);
}

VmTableWidgetTypes::ManagementConfig parseHostManagement(QXmlStreamReader& r)
{
    VmTableWidgetTypes::ManagementConfig config;
    if (!named(r, "virtualization_center_host_management"))
        return config;
    config.valid = readFields(r, [&](const Field& f) {
        if (f.is("host_type"))
            config.host_type = f.identifier();
        else if (f.is("host_id"))
            config.host_id = f.identifier();
        else if (f.is("vm_id"))
            config.vm_id = f.identifier();
        else if (f.is("is_managed_from_internal_vm"))
            config.is_managed_from_internal_vm = f.positive();
        else if (f.is("shutdown_ups_with_master_vm"))
            config.shutdown_ups_with_master_vm = f.positive();
    });
    return config;
}

QList<VmTableWidgetTypes::ActionParameters> parseActionList(QXmlStreamReader& r)
{
    QList<VmTableWidgetTypes::ActionParameters> actions;
    if (!named(r, "virtualization_center_action_list"))
        return actions;
    VmTableWidgetTypes::ActionParameters action;
    VmActionTarget target;
    while (reading(r)) {
        r.readNext();
        if (r.isStartElement()) {
            const QString name = loweredName(r);
            if (name == QLatin1String("action_parameters")) {
                action = VmTableWidgetTypes::ActionParameters();
            } else if (name == QLatin1String("action_id")) {
                takeNumber(r, &action.action_id, 0);
            } else if (name == QLatin1String("name")) {
                takeText(r, &action.name);
            } else if (name == QLatin1String("action_type")) {
                QString type;
                if (takeText(r, &type))
                    action.action_type = actionTypeCode(type);
            } else if (name == QLatin1String("apply_to_all_running_vm")) {
                takePositive(r, &action.apply_to_all_running_vm);
            } else if (name == QLatin1String("power_off_selected_hosts_after_vm_shutdown")) {
                takePositive(r, &action.power_off_selected_hosts_after_vm_shutdown);
            } else if (name == QLatin1String("selected_items")) {
                target = VmActionTarget();
            } else if (name == QLatin1String("host_type")) {
                takeNumber(r, &target.host_type, 0);
            } else if (name == QLatin1String("host_id")) {
                takeNumber(r, &target.host_id, 0);
            } else if (name == QLatin1String("vm_ids")) {
                target.vm_ids.clear();
            } else if (name == QLatin1String("vm_id")) {
                int vmId = 0;
                bool parsed = true;
                QString text;
                if (takeText(r, &text))
                    vmId = text.toInt(&parsed, 10);
                else
                    parsed = false;
                if (parsed)
                    target.vm_ids.append(vmId);
            }
        } else if (r.isEndElement()) {
            const QString name = loweredName(r);
            if (name == QLatin1String("selected_items"))
                action.selected_items.append(target);
            else if (name == QLatin1String("action_parameters"))
                actions.append(action);
        }
    }
    return actions;
}

VirtualizationCenterHostVmsInfo parseHostVmsInfo(QXmlStreamReader& r)
{
    VirtualizationCenterHostVmsInfo info;
    if (!named(r, "virtualization_center_hostvmsinfo"))
        return info;
    VirtualizationCenterVmInfo vm;
    while (reading(r)) {
        r.readNext();
        if (r.isStartElement()) {
            const QString name = loweredName(r);
            if (name == QLatin1String("host_type")) {
                takeNumber(r, &info.host_type, -1);
            } else if (name == QLatin1String("host_id")) {
                takeNumber(r, &info.host_id, -1);
            } else if (name == QLatin1String("status")) {
                QString status;
                takeLowered(r, &status);
                if (!r.hasError())
                    info.status = hostStatusCode(status);
            } else if (name == QLatin1String("name")) {
                takeText(r, &info.name);
            } else if (name == QLatin1String("version")) {
                takeText(r, &info.version);
            } else if (name == QLatin1String("error_info")) {
                takeText(r, &info.error_info);
            } else if (name == QLatin1String("vms")) {
                vm = VirtualizationCenterVmInfo();
            } else if (name == QLatin1String("vm_id")) {
                takeNumber(r, &vm.vm_id, -1);
            } else if (name == QLatin1String("vm_name")) {
                takeText(r, &vm.vm_name);
            } else if (name == QLatin1String("vm_state")) {
                QString state;
                takeLowered(r, &state);
                if (!r.hasError())
                    vm.vm_state = vmStateCode(state);
            } else if (name == QLatin1String("vm_pending_st")) {
                QString pending;
                takeLowered(r, &pending);
                if (!r.hasError())
                    vm.vm_pending_st = vmPendingCode(pending);
            }
        } else if (r.isEndElement() && loweredName(r) == QLatin1String("vms")) {
            info.vms.append(vm);
        }
    }
    return info;
}

} // namespace Luminorix
