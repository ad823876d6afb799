// The service link's steady load: one poll cycle (encipher the two poll
// requests, decipher and dispatch a 100-parameter device state and a
// 16-device status list), and the reading of a 1 MiB log page.
//
// The link and the cipher remember what they read last, so feeding the same
// bytes again measures memory. Each benchmark's headline is the changing case,
// replies that differ from every one before ("...Repeated" beside it feeds the
// same bytes): a slower parser shows there.
#include "cipher/cipherwrappers.h"
#include "link/framing.h"
#include "link/requestforms.h"
#include "link/upssocketcontroller.h"
#include "tests/link/pollreplies.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QXmlStreamReader>
#include <benchmark/benchmark.h>
#include <vector>

namespace {
const QString kDigest = QStringLiteral("5f4dcc3b5aa765d61d8327deb882cf99");

QByteArray frameOf(const QString& xml)
{
    return Luminorix::buildFrame(encryptMessage(xml.toUtf8()));
}

QString logsPage(int bytes, int day = 1)
{
    QString xml = QStringLiteral("<ups_logs>");
    for (int i = 0; xml.size() < bytes; ++i)
        xml += QStringLiteral(
                   "<log_%1>2024-03-%4 12:%2:%3;230.4;229.8;50.0;49.9;35;100;27.5;on_power_line</log_%1>")
                   .arg(i)
                   .arg(i / 60 % 60, 2, 10, QLatin1Char('0'))
                   .arg(i % 60, 2, 10, QLatin1Char('0'))
                   .arg(day, 2, 10, QLatin1Char('0'));
    return xml + QStringLiteral("</ups_logs>");
}

// More rounds than any memo holds, so a round comes back only after it is forgotten.
constexpr int kRounds = 64;

// One frame a round, made before the clock runs.
template <typename Make> QVector<QByteArray> framesOf(Make make, int rounds = kRounds)
{
    QVector<QByteArray> frames;
    for (int round = 0; round < rounds; ++round)
        frames.append(frameOf(make(round)));
    return frames;
}

void feed(Luminorix::UpsSocketController& controller, const QByteArray& bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    controller.readMessagesFrom(buffer);
}

// range(0): 1 changing replies (and request digests), 0 the same bytes each cycle.
void pollCycle(benchmark::State& state)
{
    const bool changing = state.range(0) != 0;
    Luminorix::UpsSocketController controller;
    int maps = 0;
    int statuses = 0;
    QObject::connect(&controller, &Luminorix::UpsSocketController::upsDeviceState,
                     [&maps](const QMap<QString, QString>& m) { maps += m.size(); });
    QObject::connect(
        &controller, &Luminorix::UpsSocketController::upsCurrentStatusListReceived,
        [&statuses](const QVector<Luminorix::Utils::currentDeviceStatus>& s) { statuses += s.size(); });
    const int rounds = changing ? kRounds : 1;
    const QVector<QByteArray> replies =
        framesOf([](int round) { return PollReplies::deviceState(round); }, rounds);
    const QVector<QByteArray> lists =
        framesOf([](int round) { return PollReplies::statusList(16, round); }, rounds);
    QVector<QByteArray> statusRequests;
    QVector<QByteArray> stateRequests;
    for (int round = 0; round < rounds; ++round) {
        const QString digest = round == 0 ? kDigest : QString::number(round).repeated(32).left(32);
        statusRequests.append(Luminorix::plainRequest(QStringLiteral("get_ups_current_status_list"), digest));
        stateRequests.append(Luminorix::plainRequest(QStringLiteral("get_ups_device_state"), digest));
    }
    int round = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(Luminorix::buildFrame(encryptMessage(statusRequests.at(round))));
        benchmark::DoNotOptimize(Luminorix::buildFrame(encryptMessage(stateRequests.at(round))));
        feed(controller, replies.at(round) + lists.at(round));
        round = (round + 1) % rounds;
    }
    if (maps != 102 * int(state.iterations()) || statuses != 16 * int(state.iterations()))
        state.SkipWithError("replies were not dispatched whole");
}

void BM_PollCycle(benchmark::State& state)
{
    pollCycle(state);
}
BENCHMARK(BM_PollCycle)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_PollCycleRepeated(benchmark::State& state)
{
    pollCycle(state);
}
BENCHMARK(BM_PollCycleRepeated)->Arg(0)->Unit(benchmark::kMicrosecond);

// The parts of the cycle, to see where the time goes.
void BM_EncipherRequest(benchmark::State& state)
{
    // Requests of other digests: the compression memo knows none of them.
    QVector<QByteArray> requests;
    for (int round = 0; round < kRounds; ++round)
        requests.append(Luminorix::plainRequest(QStringLiteral("get_ups_device_state"),
                                                QString::number(round).repeated(32).left(32)));
    int round = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(encryptMessage(requests.at(round)));
        round = (round + 1) % kRounds;
    }
}
BENCHMARK(BM_EncipherRequest)->Unit(benchmark::kMicrosecond);

void BM_EncipherRequestRepeated(benchmark::State& state)
{
    const QByteArray request = Luminorix::plainRequest(QStringLiteral("get_ups_device_state"), kDigest);
    for (auto _ : state)
        benchmark::DoNotOptimize(encryptMessage(request));
}
BENCHMARK(BM_EncipherRequestRepeated)->Unit(benchmark::kMicrosecond);

void feedRounds(benchmark::State& state, const QVector<QByteArray>& frames)
{
    Luminorix::UpsSocketController controller;
    int round = 0;
    for (auto _ : state) {
        feed(controller, frames.at(round));
        round = (round + 1) % frames.size();
    }
}

void BM_DeviceStateReply(benchmark::State& state)
{
    feedRounds(state, framesOf([](int round) { return PollReplies::deviceState(round); }));
}
BENCHMARK(BM_DeviceStateReply)->Unit(benchmark::kMicrosecond);

void BM_DeviceStateReplyRepeated(benchmark::State& state)
{
    feedRounds(state, {frameOf(PollReplies::deviceState())});
}
BENCHMARK(BM_DeviceStateReplyRepeated)->Unit(benchmark::kMicrosecond);

// range(0) devices; each reply moves one device's status on.
void BM_StatusListReply(benchmark::State& state)
{
    const int devices = int(state.range(0));
    feedRounds(state, framesOf([devices](int round) { return PollReplies::statusList(devices, round); }));
}
BENCHMARK(BM_StatusListReply)->Arg(16)->Arg(1000)->Unit(benchmark::kMicrosecond);

// The same with a receiver keeping the list it was given, as the panel's tree
// keeps the list it applied: the link's next list then cannot reuse its storage.
// range(1) 1: as the panel meets it, a poll a second with the caches taken by
// other work in between, so what a reply costs in memory traffic shows too.
void statusListKept(benchmark::State& state)
{
    const int devices = int(state.range(0));
    const bool cold = state.range(1) != 0;
    const QVector<QByteArray> frames =
        framesOf([devices](int round) { return PollReplies::statusList(devices, round); });
    std::vector<char> elsewhere(cold ? 64 << 20 : 0);
    Luminorix::UpsSocketController controller;
    QVector<Luminorix::Utils::currentDeviceStatus> kept;
    QObject::connect(&controller, &Luminorix::UpsSocketController::upsCurrentStatusListReceived, &controller,
                     [&kept](const QVector<Luminorix::Utils::currentDeviceStatus>& s) { kept = s; });
    int round = 0;
    char touched = 0;
    for (auto _ : state) {
        if (cold) {
            state.PauseTiming();
            for (size_t i = 0; i < elsewhere.size(); i += 64)
                elsewhere[i] = char(elsewhere[i] + 1);
            touched = char(touched + elsewhere[size_t(round) * 64]);
            state.ResumeTiming();
        }
        feed(controller, frames.at(round));
        round = (round + 1) % frames.size();
    }
    benchmark::DoNotOptimize(touched);
    if (kept.size() != devices)
        state.SkipWithError("lists were not dispatched whole");
}

void BM_StatusListReplyKept(benchmark::State& state)
{
    statusListKept(state);
}
BENCHMARK(BM_StatusListReplyKept)->Args({1000, 0})->Unit(benchmark::kMicrosecond);

void BM_StatusListReplyCold(benchmark::State& state)
{
    statusListKept(state);
}
BENCHMARK(BM_StatusListReplyCold)->Args({1000, 1})->Unit(benchmark::kMicrosecond);

void BM_StatusListReplyRepeated(benchmark::State& state)
{
    feedRounds(state, {frameOf(PollReplies::statusList(int(state.range(0))))});
}
BENCHMARK(BM_StatusListReplyRepeated)->Arg(16)->Arg(1000)->Unit(benchmark::kMicrosecond);

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

// range(0): 1 another page each time, 0 the same page.
void logsFrame(benchmark::State& state)
{
    QVector<QByteArray> frames;
    QString page;
    for (int i = 0; i < (state.range(0) ? 8 : 1); ++i) {
        page = logsPage(1 << 20, 1 + i);
        frames.append(frameOf(page));
    }
    feedRounds(state, frames);
    state.SetBytesProcessed(int64_t(state.iterations()) * page.toUtf8().size());
}

void BM_UpsLogsFrame1MiB(benchmark::State& state)
{
    logsFrame(state);
}
BENCHMARK(BM_UpsLogsFrame1MiB)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_UpsLogsFrame1MiBRepeated(benchmark::State& state)
{
    logsFrame(state);
}
BENCHMARK(BM_UpsLogsFrame1MiBRepeated)->Arg(0)->Unit(benchmark::kMillisecond);
} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
