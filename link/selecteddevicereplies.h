#pragma once

#include <QQueue>
#include <optional>

namespace Luminorix {

// Which device a device-state or configuration reply is about. The replies
// carry no device id: the service answers in order, about the device it was
// last told of on this connection (its own choice before that), so a reply is
// about whatever the service had been told when its request went out.
class SelectedDeviceReplies
{
public:
    enum Kind
    {
        State,
        Configuration,
        KindCount
    };

    // The panel chose `id`; `told` when the service heard of it.
    void select(int id, bool told);
    // A new connection: the service knows nothing of the panel's choice, and the
    // questions of the old one stay unanswered.
    void newConnection();
    void asked(Kind kind);
    // Takes the oldest open question of `kind`: whether its answer is about the
    // device chosen now. Before any choice every answer is.
    bool answerIsCurrent(Kind kind);

private:
    std::optional<int> chosen;
    std::optional<int> told; // on this connection
    // What the service had been told when each open question went out.
    QQueue<std::optional<int>> open[KindCount];
};

} // namespace Luminorix
