#include "networkconfiguration.h"

#include "common/helpers.h"
#include "common/localsettings.h"
#include "link/framing.h"
#include "link/requestserializers.h"
#include "link/upssocketcontroller.h"

#include <algorithm>

namespace {
// The service answers with the stored body in an element of the request's name.
// Counted in bytes: an uncompressed frame carries them all, and they are never
// fewer than the characters the link bounds after deciphering.
bool fitsOneReply(const char* name, const QByteArray& body)
{
    const qint64 tags = 2 * qstrlen(name) + qstrlen("<></>");
    return body.size() + tags <= Luminorix::kMaxFrameLength;
}
} // namespace

bool NetworkConfiguration::isLocalAddress(const QString& address)
{
    return address == QLatin1String("127.0.0.1") || address == QLatin1String("localhost") ||
           address == LocalSettings().serverAddress();
}

bool NetworkConfiguration::isDefaultGroupName(const QString& text)
{
    return text.startsWith(QLatin1String("Default"), Qt::CaseInsensitive);
}

// ---- loading

void NetworkConfiguration::setGroups(const QVector<Group>& received)
{
    if (loaded)
        return;
    groupList = received;
    groupsReceived = true;
}

void NetworkConfiguration::setEvents(const QVector<Event>& received)
{
    if (loaded)
        return;
    eventList = received;
    eventsReceived = true;
}

bool NetworkConfiguration::setComputers(const QVector<Computer>& received)
{
    if (loaded)
        return false;
    computerList = received;
    computersReceived = true;
    // The computers are the last of the three replies; earlier they wait for the others.
    loaded = eventsReceived && groupsReceived;
    return loaded;
}

QStringList NetworkConfiguration::groupNames() const
{
    QStringList names;
    for (const Group& group : groupList)
        names.append(group.group_name);
    return names;
}

// ---- look-ups

int NetworkConfiguration::computerIndex(int configId) const
{
    for (int i = 0; i < computerList.size(); ++i) {
        if (computerList.at(i).computer_configId == configId)
            return i;
    }
    return -1;
}

int NetworkConfiguration::groupIndex(int configId) const
{
    for (int i = 0; i < groupList.size(); ++i) {
        if (groupList.at(i).group_configId == configId)
            return i;
    }
    return -1;
}

int NetworkConfiguration::eventIndex(int parentId, int number) const
{
    for (int i = 0; i < eventList.size(); ++i) {
        if (eventList.at(i).event_parentId == parentId && eventList.at(i).event_number == number)
            return i;
    }
    return -1;
}

Event* NetworkConfiguration::event(int parentId, int number)
{
    const int index = eventIndex(parentId, number);
    return index < 0 ? nullptr : &eventList[index];
}

int NetworkConfiguration::nextComputerConfigId() const
{
    QVector<int> ids;
    for (const Computer& computer : computerList)
        ids.append(computer.computer_configId);
    return firstFreeId(ids);
}

int NetworkConfiguration::nextGroupConfigId() const
{
    QVector<int> ids;
    for (const Group& group : groupList)
        ids.append(group.group_configId);
    return firstFreeId(ids);
}

// ---- computers and groups

int NetworkConfiguration::addComputer(Computer computer, const QString& groupName)
{
    computer.computer_configId = nextComputerConfigId();
    for (Group& group : groupList) {
        if (group.group_name == groupName) {
            group.computers.append(computer.computer_configId);
            break;
        }
    }
    computerList.append(computer);
    return computer.computer_configId;
}

void NetworkConfiguration::addComputers(const QVector<Computer>& found)
{
    // One after the other, so each id sees the previous ones.
    for (Computer computer : found) {
        computer.computer_configId = nextComputerConfigId();
        computerList.append(computer);
    }
}

void NetworkConfiguration::removeComputer(int configId)
{
    const int index = computerIndex(configId);
    if (index >= 0)
        computerList.remove(index);
    for (Group& group : groupList)
        group.computers.removeOne(configId);
}

void NetworkConfiguration::setComputerPassword(int configId, const QString& password)
{
    const int index = computerIndex(configId);
    if (index >= 0)
        computerList[index].computer_password = password;
}

NetworkConfiguration::Joined NetworkConfiguration::addToGroup(int computerId, const QString& groupName)
{
    for (Group& group : groupList) {
        if (group.group_name != groupName)
            continue;
        if (group.computers.contains(computerId))
            return Joined::AlreadyMember;
        group.computers.append(computerId);
        return Joined::Added;
    }
    return Joined::NoSuchGroup;
}

void NetworkConfiguration::removeFromGroup(int groupId, int computerId)
{
    const int index = groupIndex(groupId);
    if (index >= 0)
        groupList[index].computers.removeOne(computerId);
}

int NetworkConfiguration::addGroup(Group group)
{
    group.group_configId = nextGroupConfigId();
    groupList.append(group);
    return group.group_configId;
}

void NetworkConfiguration::removeGroup(int configId)
{
    const int index = groupIndex(configId);
    if (index >= 0)
        groupList.remove(index);
}

bool NetworkConfiguration::setGroupMembers(int configId, const QVector<int>& members)
{
    const int index = groupIndex(configId);
    if (index < 0 || groupList.at(index).computers == members)
        return false;
    groupList[index].computers = members;
    return true;
}

void NetworkConfiguration::renameGroup(int configId, const QString& name)
{
    const int index = groupIndex(configId);
    if (index >= 0)
        groupList[index].group_name = name;
}

bool NetworkConfiguration::groupHasLocalComputer(int groupId) const
{
    const int index = groupIndex(groupId);
    if (index < 0)
        return false;
    const QVector<int>& members = groupList.at(index).computers;
    return std::any_of(members.cbegin(), members.cend(), [this](int id) {
        const int computer = computerIndex(id);
        return computer >= 0 && isLocalAddress(computerList.at(computer).computer_address);
    });
}

// ---- events

QVector<Event> NetworkConfiguration::groupEvents(int groupId) const
{
    QVector<Event> shown;
    for (const Event& event : eventList) {
        if (event.event_parentId == groupId)
            shown.append(event);
    }
    return shown;
}

int NetworkConfiguration::addEvent()
{
    int largest = 0;
    for (const Event& event : qAsConst(eventList))
        largest = qMax(largest, event.event_number);
    Event added;
    added.event_number = largest + 1;
    // No group until it is saved: an unsaved event must belong to none.
    added.event_parentId = -1;
    eventList.append(added);
    return added.event_number;
}

void NetworkConfiguration::removeEvent(int parentId, int number)
{
    // Its actions go with the last event that shares them.
    const int index = eventIndex(parentId, number);
    if (index >= 0)
        eventList.remove(index);
}

// ---- save

bool NetworkConfiguration::fitsRepliesOf(const QString& upsId) const
{
    return fitsOneReply("all_computers", Luminorix::serializeComputers(computerList)) &&
           fitsOneReply("events", Luminorix::serializeEvents(eventList, upsId)) &&
           fitsOneReply("groups", Luminorix::serializeGroups(groupList, upsId));
}

void NetworkConfiguration::sendTo(Luminorix::UpsSocketController* controller, const QString& upsId) const
{
    controller->sendAllComputers(computerList);
    controller->sendEvents(eventList, upsId);
    controller->sendGroups(groupList, upsId);
}
