// libFuzzer target for the bank reader and checker. A bank file from another
// teacher is untrusted: every input must end in either a bank that keeps the
// limits a test run needs or a list of fault lines, never in a crash, a hang
// or a leak.

#include "bankfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

QTemporaryDir *figureDir = nullptr;

[[noreturn]] void broken(const char *what)
{
    std::fprintf(stderr, "bank checker let through: %s\n", what);
    std::abort();
}

// Figures the inputs can name: one that fits, one too large, one that is
// no image at all.
void writeFigures(const QString &dir)
{
    QImage small(40, 30, QImage::Format_RGB32);
    small.fill(Qt::white);
    small.save(dir + QStringLiteral("/small.png"));
    QImage big(300, 200, QImage::Format_RGB32);
    big.fill(Qt::black);
    big.save(dir + QStringLiteral("/big.png"));
    QFile bad(dir + QStringLiteral("/bad.png"));
    if (bad.open(QIODevice::WriteOnly))
        bad.write("\x89PNG\r\n\x1a\n not really");
}

// What a test run relies on in a bank the checker passed.
void checkLoaded(const velk::Bank &b)
{
    if (b.List2.size() != 6)
        broken("settings rows");
    const int k = int(b.List1(0).size());
    const int n = k + (b.SettingDigit(velk::GuessCheck) == 1 ? 1 : 0);
    if (n < 3 || n > velk::Bank::Slots)
        broken("question count");
    for (int q = 0; q < k; ++q) {
        const QStringList &list = b.List1(q + 1);
        const int m = int(list.size()) - 1;
        if (m < 2 || m > 5)
            broken("option count");
        if (list.mid(1).count(b.List1(0).at(q)) != 1)
            broken("a key that matches no option or several");
        if (b.SettingDigit(velk::PhraseMode) == 1 && !list.at(0).contains(QLatin1Char('_')))
            broken("a stem without a gap in phrase mode");
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QCoreApplication app(*argc, *argv);
    figureDir = new QTemporaryDir;
    writeFigures(figureDir->path());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray text(reinterpret_cast<const char *>(data), qsizetype(size));
    const velk::LoadResult r =
        velk::loadBank(QStringLiteral("bank.txt"), text, figureDir->path(), QStringLiteral(":/velk/"));
    if (r.ok()) {
        checkLoaded(r.bank);
    } else {
        for (const QString &line : r.faults)
            if (!line.startsWith(QStringLiteral("bank.txt:")))
                broken("a fault line that does not name the file");
    }
    return 0;
}
