#pragma once

#include <functional>
#include <utility>

// Which of the answers of one kind is the one a dialog waits for. The service
// numbers nothing, and others ask for the same kind (a poll, a request whose
// wait ran out), so answers made before a change can come after it: an answer
// is judged by what it holds. The first that shows the change is the one; one
// that does not is first counted against the answers still owed to earlier
// requests, then passed over at most `patience` times, so that a service that
// stores something else than was sent is still heard.
//
//     list.await([id](const Hosts& h) { return listed(h, id); }, 3); ask();
//     void received(const Hosts& h) { if (!list.take(h)) return; ... }
template <typename Answer> class AwaitedAnswer
{
public:
    using Shows = std::function<bool(const Answer&)>;

    // Any answer will do, once those owed to earlier requests have come.
    void awaitAny() { await(Shows(), 0); }
    void await(Shows showsChange, int patience)
    {
        // The answer to the request awaited so far is still on its way.
        if (awaiting)
            ++owed;
        shows = std::move(showsChange);
        passOver = patience;
        awaiting = true;
    }
    // The wait ran out; should the answer still come, it is not taken for the next one.
    void abandon()
    {
        if (awaiting)
            ++owed;
        stop();
    }
    bool isAwaiting() const { return awaiting; }

    // True when `answer` is the awaited one, which ends the wait.
    bool take(const Answer& answer)
    {
        if (!awaiting) {
            if (owed > 0)
                --owed;
            return false;
        }
        if (!shows || !shows(answer)) {
            if (owed > 0) {
                --owed;
                return false;
            }
            if (shows && passOver > 0) {
                --passOver;
                return false;
            }
        }
        stop();
        return true;
    }

private:
    void stop()
    {
        awaiting = false;
        shows = Shows();
        passOver = 0;
    }

    Shows shows;
    int passOver = 0;
    int owed = 0;
    bool awaiting = false;
};
