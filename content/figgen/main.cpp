// velk_figgen DESCRIPTION [OUTPUT-DIR] [FIGURE-FILE...]
// Draws the figures of a question bank from their description and writes
// them as JPEG images (beside the description unless a directory is given).
// With figure file names, only those figures are drawn.

#include "figgen.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageWriter>
#include <QTextStream>

int main(int argc, char **argv)
{
    // Drawing needs no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream err(stderr), out(stdout);
    const QStringList args = app.arguments();
    if (args.size() < 2) {
        err << "usage: velk_figgen DESCRIPTION [OUTPUT-DIR] [FIGURE-FILE...]\n";
        return 2;
    }
    QFile file(args.at(1));
    if (!file.open(QIODevice::ReadOnly)) {
        err << args.at(1) << ": " << file.errorString() << '\n';
        return 1;
    }
    const QString name = QFileInfo(args.at(1)).fileName();
    const QString outDir = args.size() > 2 ? args.at(2) : QFileInfo(args.at(1)).absolutePath();
    const QStringList only = args.mid(3);

    const figgen::Description d = figgen::parse(name, QString::fromUtf8(file.readAll()));
    QStringList faults = d.faults;
    int written = 0;
    for (const figgen::Figure &f : d.figures) {
        if (!only.isEmpty() && !only.contains(f.file))
            continue;
        const QImage image = figgen::render(f, name, &faults);
        if (image.isNull())
            continue;
        QImageWriter writer(QDir(outDir).filePath(f.file));
        writer.setQuality(95);
        if (!writer.write(image)) {
            faults << QStringLiteral("%1: %2").arg(f.file, writer.errorString());
            continue;
        }
        out << f.file << ' ' << f.width << 'x' << f.height << '\n';
        ++written;
    }
    for (const QString &fault : faults)
        err << fault << '\n';
    out << written << " figures written\n";
    return faults.isEmpty() ? 0 : 1;
}
