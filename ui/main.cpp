// Placeholder until the window lands: proves the bank is embedded and loads.
#include "bankfile.h"

#include <QApplication>
#include <QLabel>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const velk::LoadResult bank = velk::loadEmbeddedBank();
    QLabel label(bank.ok() ? QStringLiteral("The test window is not built yet.")
                           : bank.faults.join(QLatin1Char('\n')));
    label.show();
    return app.exec();
}
