#include "selecteddevicereplies.h"

namespace Luminorix {

namespace {
// A service that never answers one kind must not grow the queue for ever; the
// oldest questions are then the ones least likely to be answered.
constexpr int kMaxOpen = 64;
} // namespace

void SelectedDeviceReplies::select(int id, bool toldService)
{
    chosen = id;
    if (toldService)
        told = id;
}

void SelectedDeviceReplies::newConnection()
{
    told.reset();
    for (auto& questions : open)
        questions.clear();
}

void SelectedDeviceReplies::asked(Kind kind)
{
    QQueue<std::optional<int>>& questions = open[kind];
    if (questions.size() >= kMaxOpen)
        questions.dequeue();
    questions.enqueue(told);
}

bool SelectedDeviceReplies::answerIsCurrent(Kind kind)
{
    QQueue<std::optional<int>>& questions = open[kind];
    // Unasked: the service speaks of what it was told last.
    const std::optional<int> about = questions.isEmpty() ? told : questions.dequeue();
    return !chosen || about == chosen;
}

} // namespace Luminorix
