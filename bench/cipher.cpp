// Encryption and decryption beside level-9 compression and decompression of the
// same bytes: the cipher should cost little more than zlib does. The cipher
// remembers short inputs it compressed and replies it decrypted, so the headline
// cases take other bytes each time; "...Repeated" beside them the same bytes.
#include "cipher/fixedkeys.h"
#include "cipher/simplecrypt.h"

#include <QByteArray>
#include <QVector>
#include <benchmark/benchmark.h>
#include <cstdlib>

namespace {
quint32 nextRandom(quint32& state)
{
    state = state * 1103515245u + 12345u;
    return state >> 16;
}

// About 2 KiB, like one ups_device_state reply.
QByteArray deviceStateXml()
{
    quint32 seed = 1;
    QByteArray xml("<ups_device_state>");
    const char* const keys[] = {"input_voltage",   "output_voltage",  "output_load", "battery_capacity",
                                "battery_voltage", "input_frequency", "temperature", "work_mode"};
    int i = 0;
    while (xml.size() < 2048 - 64) {
        xml += "<param key=\"";
        xml += keys[i % 8];
        xml += '_' + QByteArray::number(i / 8) + "\">" + QByteArray::number(200 + nextRandom(seed) % 60) +
               '.' + QByteArray::number(nextRandom(seed) % 10) + "</param>";
        ++i;
    }
    return xml + "</ups_device_state>";
}

// 1 MiB of parameter log lines with changing figures.
QByteArray logPage()
{
    quint32 seed = 2;
    QByteArray log;
    log.reserve(1 << 20);
    int second = 0;
    while (log.size() < (1 << 20)) {
        const int s = second++;
        log += "2026-03-" + QByteArray::number(10 + s / 86400) + ' ' + QByteArray::number(s / 3600 % 24) +
               ':' + QByteArray::number(s / 60 % 60) + ':' + QByteArray::number(s % 60) + ";UPS-" +
               QByteArray::number(nextRandom(seed) % 4) + ";in " +
               QByteArray::number(220 + nextRandom(seed) % 20) + " V;out 230 V;load " +
               QByteArray::number(nextRandom(seed) % 100) + " %;bat " +
               QByteArray::number(90 + nextRandom(seed) % 11) + " %;" +
               QByteArray::number(49.8 + (nextRandom(seed) % 5) / 10.0) + " Hz\n";
    }
    log.truncate(1 << 20);
    return log;
}

// glibc gives freed heap tops back to the system until one large block has
// been freed; after that it keeps them, as a long-running program sees. Do
// that once, so small cases measure zlib's stream set-up and not page faults.
struct WarmHeap
{
    WarmHeap()
    {
        void* large = std::malloc(8 << 20);
        benchmark::DoNotOptimize(large);
        std::free(large);
    }
} warmHeap;

// Variants of an input, each differing from the others in a few bytes, as the
// poll's replies do: more of them than the memos hold.
constexpr int kVariants = 16;

const QVector<QByteArray>& inputs(int which)
{
    static const auto make = [](const QByteArray& base) {
        QVector<QByteArray> variants;
        for (int v = 0; v < kVariants; ++v) {
            QByteArray bytes = base;
            const QByteArray mark = QByteArray::number(v).rightJustified(2, '0');
            for (int at = 64; at + 2 < bytes.size(); at += bytes.size() / 4)
                bytes.replace(at, 2, mark);
            variants.append(bytes);
        }
        return variants;
    };
    static const QVector<QByteArray> xml = make(deviceStateXml());
    static const QVector<QByteArray> log = make(logPage());
    return which == 0 ? xml : log;
}

const QByteArray& input(int which)
{
    return inputs(which).first();
}

void setLabel(benchmark::State& state)
{
    state.SetLabel(state.range(0) == 0 ? "2 KiB XML" : "1 MiB log");
    state.SetBytesProcessed(int64_t(state.iterations()) * input(int(state.range(0))).size());
}

void encrypt(benchmark::State& state, int variants)
{
    const QVector<QByteArray>& plain = inputs(int(state.range(0)));
    SimpleCrypt crypt(messageCipherKey());
    int v = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(crypt.encryptToByteArray(plain.at(v)));
        v = (v + 1) % variants;
    }
    setLabel(state);
}

void BM_Encrypt(benchmark::State& state)
{
    encrypt(state, kVariants);
}

void BM_EncryptRepeated(benchmark::State& state)
{
    encrypt(state, 1);
}

void BM_Compress9(benchmark::State& state)
{
    const QByteArray& plain = input(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(qCompress(plain, 9));
    setLabel(state);
}

void decrypt(benchmark::State& state, int variants)
{
    SimpleCrypt crypt(messageCipherKey());
    const QVector<QByteArray>& plain = inputs(int(state.range(0)));
    QVector<QByteArray> cipher;
    for (int v = 0; v < variants; ++v)
        cipher.append(crypt.encryptToByteArray(plain.at(v)));
    int v = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(crypt.decryptToByteArray(cipher.at(v)));
        v = (v + 1) % variants;
    }
    for (int v = 0; v < variants; ++v) {
        if (crypt.decryptToByteArray(cipher.at(v)) != plain.at(v))
            state.SkipWithError("round trip failed");
    }
    setLabel(state);
}

void BM_Decrypt(benchmark::State& state)
{
    decrypt(state, kVariants);
}

void BM_DecryptRepeated(benchmark::State& state)
{
    decrypt(state, 1);
}

void BM_Uncompress(benchmark::State& state)
{
    const QByteArray packed = qCompress(input(int(state.range(0))), 9);
    for (auto _ : state)
        benchmark::DoNotOptimize(qUncompress(packed));
    setLabel(state);
}
} // namespace

BENCHMARK(BM_Encrypt)->Arg(0)->Arg(1);
BENCHMARK(BM_EncryptRepeated)->Arg(0)->Arg(1);
BENCHMARK(BM_Compress9)->Arg(0)->Arg(1);
BENCHMARK(BM_Decrypt)->Arg(0)->Arg(1);
BENCHMARK(BM_DecryptRepeated)->Arg(0)->Arg(1);
BENCHMARK(BM_Uncompress)->Arg(0)->Arg(1);

BENCHMARK_MAIN();
