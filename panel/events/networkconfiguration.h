#pragma once

#include "common/computer.h"
#include "common/event.h"
#include "common/group.h"

#include <QString>
#include <QStringList>
#include <QVector>

namespace Luminorix {
class UpsSocketController;
}

// What the network and events dialog edits for one UPS, without its widgets:
// the networked computers of the installation, the groups of this UPS and
// the events of its groups, as the three replies brought them and as edited
// since, and what goes to the service on save.
class NetworkConfiguration
{
public:
    // The service's own machine: "127.0.0.1", "localhost" or the configured host.
    static bool isLocalAddress(const QString& address);
    // A group whose name begins with "Default" in any case: it cannot be edited or removed.
    static bool isDefaultGroupName(const QString& text);

    // The three replies. Once all three are in, the lists are the
    // administrator's edit and later replies (asked for by someone else) are
    // ignored. The computers come last: their setter reports whether their
    // reply completed the loading.
    void setGroups(const QVector<Group>& received);
    void setEvents(const QVector<Event>& received);
    bool setComputers(const QVector<Computer>& received);
    bool isLoaded() const { return loaded; }

    const QVector<Computer>& computers() const { return computerList; }
    const QVector<Group>& groups() const { return groupList; }
    const QVector<Event>& events() const { return eventList; }
    QStringList groupNames() const;

    // Positions by id, -1 when there is none.
    int computerIndex(int configId) const;
    int groupIndex(int configId) const;
    int eventIndex(int parentId, int number) const;
    // The event with that identity, null when there is none (the list may have been replaced).
    Event* event(int parentId, int number);

    // A new computer gets the first free id and joins the first group of `groupName` (if any).
    int addComputer(Computer computer, const QString& groupName);
    // Computers found by the discovery, in no group.
    void addComputers(const QVector<Computer>& found);
    // Out of the list and every group.
    void removeComputer(int configId);
    void setComputerPassword(int configId, const QString& password);
    enum class Joined
    {
        Added,
        AlreadyMember,
        NoSuchGroup
    };
    // Into the first group of that name.
    Joined addToGroup(int computerId, const QString& groupName);
    void removeFromGroup(int groupId, int computerId);
    // The group gets the first free id.
    int addGroup(Group group);
    void removeGroup(int configId);
    // True when the members changed.
    bool setGroupMembers(int configId, const QVector<int>& members);
    void renameGroup(int configId, const QString& name);
    bool groupHasLocalComputer(int groupId) const;

    // The events of one group, copies in list order.
    QVector<Event> groupEvents(int groupId) const;
    // A new event in no group, numbered after the largest number; returns its number.
    int addEvent();
    void removeEvent(int parentId, int number);

    // What the service stores it sends back at the next opening, and a reply
    // the link cannot read would lock the configuration out for good.
    bool fitsRepliesOf(const QString& upsId) const;
    // The computers, the events and the groups, in that order.
    void sendTo(Luminorix::UpsSocketController* controller, const QString& upsId) const;

private:
    int nextComputerConfigId() const;
    int nextGroupConfigId() const;

    QVector<Computer> computerList;
    QVector<Group> groupList;
    QVector<Event> eventList;
    bool groupsReceived = false;
    bool eventsReceived = false;
    bool computersReceived = false;
    bool loaded = false;
};
