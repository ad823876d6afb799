// Arbitrary bytes into the service link's receive path. The first byte picks
// the layer: odd, the rest is the byte stream as read from the socket
// (frames, cipher, XML, dispatch); even, the rest is a deciphered reply's bytes
// handed straight to the receive path's reading, so the readers get explored
// too.
#include "link/upssocketcontroller.h"

#include <QBuffer>
#include <QCoreApplication>
#include <cstddef>
#include <cstdint>

namespace {
Luminorix::UpsSocketController* controller = nullptr;
int actionsSeen = 0;

void quiet(QtMsgType, const QMessageLogContext&, const QString&) {}
} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    static QCoreApplication app(*argc, *argv);
    qInstallMessageHandler(quiet);
    controller = new Luminorix::UpsSocketController;
    // Receivers touch what they get, so a dangling action would show.
    QObject::connect(controller, &Luminorix::UpsSocketController::eventsReceived,
                     [](const QVector<Event>& events) {
                         for (const Event& e : events) {
                             if (e.messageAction)
                                 actionsSeen += e.messageAction->message_text.size();
                             if (e.sysCommandAction)
                                 actionsSeen += e.sysCommandAction->delay_time;
                             if (e.powerOffAction)
                                 actionsSeen += e.powerOffAction->type.size();
                             if (e.sendMailAction)
                                 actionsSeen += e.sendMailAction->body.size();
                             if (e.outputSocketAction)
                                 actionsSeen += e.outputSocketAction->first_sock_delay;
                         }
                     });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0 || size > 1 << 20)
        return 0;
    const QByteArray rest(reinterpret_cast<const char*>(data) + 1, int(size - 1));
    if (data[0] & 1) {
        QBuffer buffer;
        buffer.setData(rest);
        buffer.open(QIODevice::ReadOnly);
        controller->readMessagesFrom(buffer);
    } else {
        controller->handlePlainReply(rest);
    }
    return 0;
}
