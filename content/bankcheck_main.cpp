// Build step: checks a bank file and, when it is sound, writes the resource
// list that embeds it and its figures. A faulty bank stops the build.

#include "bankfile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    QTextStream err(stderr);
    if (args.size() < 2 || args.size() > 3) {
        err << "usage: velk-bankcheck BANK-FILE [RESOURCE-LIST-TO-WRITE]\n";
        return 2;
    }
    const QString bankPath = QFileInfo(args.at(1)).absoluteFilePath();
    const velk::LoadResult result = velk::loadBankFile(bankPath);
    if (!result.ok()) {
        for (const QString &line : result.faults)
            err << bankPath.section(QLatin1Char('/'), 0, -2) << '/' << line << '\n';
        err << "The question bank has " << result.faults.size()
            << (result.faults.size() == 1 ? " fault" : " faults") << "; nothing was embedded.\n";
        return 1;
    }
    if (args.size() == 3) {
        const QString dir = QFileInfo(bankPath).absolutePath();
        QFile qrc(args.at(2));
        if (!qrc.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            err << args.at(2) << ": " << qrc.errorString() << '\n';
            return 1;
        }
        QTextStream out(&qrc);
        out << "<RCC>\n  <qresource prefix=\"/velk\">\n";
        out << "    <file alias=\"bank.txt\">" << bankPath.toHtmlEscaped() << "</file>\n";
        for (const QString &name : result.figureFiles)
            out << "    <file alias=\"" << name.toHtmlEscaped() << "\">"
                << (dir + QLatin1Char('/') + name).toHtmlEscaped() << "</file>\n";
        out << "  </qresource>\n</RCC>\n";
    }
    return 0;
}
