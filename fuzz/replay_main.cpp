// Stands in for libFuzzer's main where the compiler has no libFuzzer: runs the target once on every
// file named on the command line, or in a directory named there. Options ("-runs=0") are ignored,
// so the same command line works for both.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {

bool runFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(path));
        return false;
    }
    const QByteArray bytes = file.readAll();
    LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.constData()),
                           static_cast<size_t>(bytes.size()));
    return true;
}

} // namespace

int main(int argc, char** argv) {
    int runs = 0;
    bool ok = true;
    for (int i = 1; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        if (arg.startsWith(u'-')) continue;
        const QFileInfo info(arg);
        if (info.isDir()) {
            const QStringList names = QDir(arg).entryList(QDir::Files, QDir::Name);
            for (const QString& name : names)
                ok = runFile(QDir(arg).filePath(name)) && ok, ++runs;
        } else {
            ok = runFile(arg) && ok;
            ++runs;
        }
    }
    std::printf("replayed %d inputs\n", runs);
    return ok && runs > 0 ? 0 : 1;
}
