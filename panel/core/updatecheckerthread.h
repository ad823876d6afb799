#pragma once

class QThread;
class UpdateChecker;

// The update checker in a thread of its own, for the life of this object. Its end
// stops the thread, which deletes the checker inside it, so no reply is handled
// while the checker goes.
class UpdateCheckerThread
{
public:
    UpdateCheckerThread();
    ~UpdateCheckerThread();
    UpdateCheckerThread(const UpdateCheckerThread&) = delete;
    UpdateCheckerThread& operator=(const UpdateCheckerThread&) = delete;

    // Lives in the other thread: reach it by queued calls only.
    UpdateChecker* checker() const { return updateChecker; }

private:
    UpdateChecker* updateChecker = nullptr;
    QThread* thread = nullptr;
};
