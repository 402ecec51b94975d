// The program: loads the built-in bank, runs start-up and opens the window.
#include "bankfile.h"
#include "random.h"
#include "velk_prazno.h"

#include <QApplication>
#include <QMessageBox>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    velk::prepareApplication(app);

    velk::LoadResult loaded = velk::loadEmbeddedBank();
    if (!loaded.ok()) {
        // A broken bank would give a broken test: say what is wrong instead.
        QMessageBox::critical(nullptr, QStringLiteral("ВЕЛК"),
                              QStringLiteral("Банката с въпроси е повредена:\n")
                                  + loaded.faults.join(QLatin1Char('\n')));
        return 2;
    }

    velk::ClockRandom random;
    velk::Engine engine(std::move(loaded.bank), random);
    velk::VELK_Prazno window(engine);
    window.formLoad();
    window.show();
    return app.exec();
}
