// Runs every file of the given folders (or the given files) through the fuzz
// entry point once, so the committed corpus is replayed by ctest without libFuzzer.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);
extern "C" __attribute__((weak)) int LLVMFuzzerInitialize(int* argc, char*** argv);

static int runFile(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(path));
        return 1;
    }
    const QByteArray bytes = f.readAll();
    LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.constData()), size_t(bytes.size()));
    return 0;
}

int main(int argc, char** argv)
{
    if (LLVMFuzzerInitialize)
        LLVMFuzzerInitialize(&argc, &argv);
    int files = 0;
    int failures = 0;
    for (int i = 1; i < argc; ++i) {
        const QFileInfo info(QString::fromLocal8Bit(argv[i]));
        if (info.isDir()) {
            const QFileInfoList entries = QDir(info.filePath()).entryInfoList(QDir::Files, QDir::Name);
            for (const QFileInfo& e : entries) {
                failures += runFile(e.filePath());
                ++files;
            }
        } else {
            failures += runFile(info.filePath());
            ++files;
        }
    }
    if (files == 0) {
        std::fprintf(stderr, "no corpus files given\n");
        return 1;
    }
    std::printf("replayed %d inputs\n", files);
    return failures == 0 ? 0 : 1;
}
