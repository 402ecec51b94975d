#pragma once
// A small bank on disk (three questions with 4, 3 and 5 options, a figure on
// the first), an engine with scripted draws, and the real window over it.
// Every draw is 0: the step is 2, so positions 0, 1, 2 show the bank's
// third, second and first question, options in stored order.

#include "bankfile.h"
#include "engine.h"
#include "random.h"
#include "velk_prazno.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <memory>

namespace velk_test {

inline const QByteArray SmallBank = R"(
setting: Настройки - последната цифра
setting: ЧЕО - 0
setting: Проверка за Тото - 0
setting: Пробен тест
setting: Дава обяснения - 1
setting: Преглед - 1

stem: Колко е 2 + 2?
option: 3
right: 4
option: 5
option: 6
explain: 2 + 2 = 4.
figure: figure.png

stem: Колко е 3 × 3?
option: 6
right: 9
option: 12
explain: 3 × 3 = 9.

stem: Кое от числата е просто?
option: 4
option: 6
option: 8
option: 9
right: 7
explain: 7 се дели само на 1 и на себе си.

)";

// The colours the engine paints, as the screen shows them.
inline const QColor GreenColour(0x00, 0xFF, 0x00);
inline const QColor RedColour(0xFF, 0x00, 0x00);
inline const QColor LightBlueColour(0xC0, 0xC0, 0xFF);

// The figure: a magenta block with a black frame, easy to find in a grab.
inline const QColor FigureColour(0xFF, 0x00, 0xFF);

struct WindowFixture {
    QTemporaryDir dir;
    velk::ScriptedRandom random{{0.0f}};
    std::unique_ptr<velk::Engine> engine;
    std::unique_ptr<velk::VELK_Prazno> window;
    QStringList faults;

    explicit WindowFixture(const QByteArray &bankText = SmallBank)
    {
        QImage figure(150, 100, QImage::Format_RGB32);
        figure.fill(Qt::black);
        QPainter(&figure).fillRect(2, 2, 146, 96, FigureColour);
        figure.save(dir.filePath(QStringLiteral("figure.png")));
        QFile bank(dir.filePath(QStringLiteral("bank.txt")));
        if (bank.open(QIODevice::WriteOnly))
            bank.write(bankText);
        bank.close();

        velk::LoadResult loaded = velk::loadBankFile(bank.fileName());
        faults = loaded.faults;
        engine = std::make_unique<velk::Engine>(std::move(loaded.bank), random);
        window = std::make_unique<velk::VELK_Prazno>(*engine);
        window->formLoad();
    }

    template <typename T = QWidget>
    T *widget(const char *name, int index = -1) const
    {
        return qobject_cast<T *>(window->widgetFor(name, index));
    }

    const velk::TestState &state() const { return engine->state(); }
    const velk::WindowModel &model() const { return engine->model(); }
    int pos() const { return state().CurrentPos; }
    int keyButton() const { return state().KeyPositions.value(pos()).toInt(); }
    int visibleOptions() const
    {
        int n = 0;
        for (const velk::Control &c : model().Option1)
            n += c.visible ? 1 : 0;
        return n;
    }
};

}  // namespace velk_test
