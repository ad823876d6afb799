// The service link's steady load: one poll cycle (encipher the two poll
// requests, decipher and dispatch a 100-parameter device state and a
// 16-device status list), and the reading of a 1 MiB log page.
#include "cipherwrappers.h"
#include "framing.h"
#include "pollreplies.h"
#include "requestforms.h"
#include "upssocketcontroller.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QXmlStreamReader>
#include <benchmark/benchmark.h>

namespace {
const QString kDigest = QStringLiteral("5f4dcc3b5aa765d61d8327deb882cf99");

QByteArray frameOf(const QString& xml)
{
    return Luminorix::buildFrame(encryptMessage(xml.toUtf8()));
}

QString logsPage(int bytes)
{
    QString xml = QStringLiteral("<ups_logs>");
    for (int i = 0; xml.size() < bytes; ++i)
        xml += QStringLiteral(
                   "<log_%1>2024-03-01 12:%2:%3;230.4;229.8;50.0;49.9;35;100;27.5;on_power_line</log_%1>")
                   .arg(i)
                   .arg(i / 60 % 60, 2, 10, QLatin1Char('0'))
                   .arg(i % 60, 2, 10, QLatin1Char('0'));
    return xml + QStringLiteral("</ups_logs>");
}

void feed(Luminorix::UpsSocketController& controller, const QByteArray& bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    controller.readMessagesFrom(buffer);
}

void BM_PollCycle(benchmark::State& state)
{
    Luminorix::UpsSocketController controller;
    int maps = 0;
    int statuses = 0;
    QObject::connect(&controller, &Luminorix::UpsSocketController::upsDeviceState,
                     [&maps](const QMap<QString, QString>& m) { maps += m.size(); });
    QObject::connect(
        &controller, &Luminorix::UpsSocketController::upsCurrentStatusListReceived,
        [&statuses](const QVector<Luminorix::Utils::currentDeviceStatus>& s) { statuses += s.size(); });
    const QByteArray replies = frameOf(PollReplies::deviceState()) + frameOf(PollReplies::statusList());
    const QByteArray statusRequest =
        Luminorix::plainRequest(QStringLiteral("get_ups_current_status_list"), kDigest);
    const QByteArray stateRequest = Luminorix::plainRequest(QStringLiteral("get_ups_device_state"), kDigest);
    for (auto _ : state) {
        benchmark::DoNotOptimize(Luminorix::buildFrame(encryptMessage(statusRequest)));
        benchmark::DoNotOptimize(Luminorix::buildFrame(encryptMessage(stateRequest)));
        feed(controller, replies);
    }
    if (maps != 102 * int(state.iterations()) || statuses != 16 * int(state.iterations()))
        state.SkipWithError("replies were not dispatched whole");
}
BENCHMARK(BM_PollCycle)->Unit(benchmark::kMicrosecond);

// The parts of the cycle, to see where the time goes.
void BM_EncipherRequest(benchmark::State& state)
{
    const QByteArray request = Luminorix::plainRequest(QStringLiteral("get_ups_device_state"), kDigest);
    for (auto _ : state)
        benchmark::DoNotOptimize(encryptMessage(request));
}
BENCHMARK(BM_EncipherRequest)->Unit(benchmark::kMicrosecond);

void BM_DeviceStateReply(benchmark::State& state)
{
    Luminorix::UpsSocketController controller;
    const QByteArray frame = frameOf(PollReplies::deviceState());
    for (auto _ : state)
        feed(controller, frame);
}
BENCHMARK(BM_DeviceStateReply)->Unit(benchmark::kMicrosecond);

void BM_StatusListReply(benchmark::State& state)
{
    Luminorix::UpsSocketController controller;
    const QByteArray frame = frameOf(PollReplies::statusList());
    for (auto _ : state)
        feed(controller, frame);
}
BENCHMARK(BM_StatusListReply)->Unit(benchmark::kMicrosecond);

// The floor: QXmlStreamReader alone tokenizing the two poll replies.
void BM_TokenizePollReplies(benchmark::State& state)
{
    const QString replies[] = {PollReplies::deviceState(), PollReplies::statusList()};
    for (auto _ : state) {
        for (const QString& reply : replies) {
            QXmlStreamReader reader(reply);
            while (!reader.atEnd())
                reader.readNext();
        }
    }
}
BENCHMARK(BM_TokenizePollReplies)->Unit(benchmark::kMicrosecond);

// Reading a 1 MiB ups_logs reply: the XML alone, and with the frame deciphered.
void BM_UpsLogsRead1MiB(benchmark::State& state)
{
    Luminorix::UpsSocketController controller;
    int lines = 0;
    QObject::connect(&controller, &Luminorix::UpsSocketController::upsLogs,
                     [&lines](const QStringList& l) { lines = l.size(); });
    const QString page = logsPage(1 << 20);
    for (auto _ : state) {
        QXmlStreamReader reader(page);
        controller.handleMessage(&reader);
    }
    state.counters["lines"] = lines;
    state.SetBytesProcessed(int64_t(state.iterations()) * page.toUtf8().size());
}
BENCHMARK(BM_UpsLogsRead1MiB)->Unit(benchmark::kMillisecond);

void BM_UpsLogsFrame1MiB(benchmark::State& state)
{
    Luminorix::UpsSocketController controller;
    const QString page = logsPage(1 << 20);
    const QByteArray frame = frameOf(page);
    for (auto _ : state)
        feed(controller, frame);
    state.SetBytesProcessed(int64_t(state.iterations()) * page.toUtf8().size());
}
BENCHMARK(BM_UpsLogsFrame1MiB)->Unit(benchmark::kMillisecond);
} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
