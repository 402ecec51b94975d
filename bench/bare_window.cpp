// The yardstick for the start-up benchmark: an empty Qt window of the test
// window's size (727 x 463 client area under a two-command menu bar), with
// nothing else loaded.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QWidget>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.menuBar()->addAction(QStringLiteral("Изход"));
    window.menuBar()->addAction(QStringLiteral("Автор"));
    auto *client = new QWidget;
    client->setFixedSize(727, 463);
    window.setCentralWidget(client);
    window.setFixedSize(727, 463 + window.menuBar()->sizeHint().height());
    window.show();
    return app.exec();
}
