#include "window_model.h"

namespace velk {

namespace {

Control make(Kind kind, const char *name, int index, float l, float t, float w, float h,
             const QString &text, const QString &colour, bool visible)
{
    Control c;
    c.kind = kind;
    c.name = name;
    c.index = index;
    c.left = l;
    c.top = t;
    c.width = w;
    c.height = h;
    c.text = text;
    c.colour = colour;
    c.visible = visible;
    return c;
}

const QString CrLf = QStringLiteral("\r\n");

}  // namespace

QString helpText()
{
    static const char *const lines[] = {
        "Това е  програмата велк - тест с избор само на един отговор.",
        "Особеност на теста:",
        " - при всяко ново стартиране се променя редът на отговорите;",
        " - при всяко ново стартиране се променя редът на въпросите или фразите;",
        " - след избор на отговор може да се покаже отделно фразата, образувана с него;",
        " - анимиран обект показва мястото в теста: преминати и оставащи въпроси;",
        " - всеки въпрос може да има свой брой дистрактори - от 2 до 5;",
        " - към всеки въпрос може да се добави по една картинка.",
        "Следва описание на обектите по реда на вертикалното им разположение.",
        "Бутон Напред - показва следващия номер на въпрос.",
        "Бутон Назад - показва предишния номер на въпрос.",
        "Най-горното текстово поле показва въпроса или фразата за допълване.",
        "В 2 до 5 текстови полета под него стоят дистракторите.",
        "Под всяко от тях има бутон за избор; изпитваният отбелязва верния отговор "
        "с щракване (On-Click) върху бутона.",
        "Текстовото поле под тях показва фразата с избрания отговор (в режим ЧЕО).",
        "Средното графично поле показва дали на текущия въпрос е даден отговор (зелено - да).",
        "Бутон Резултат (Оценяване) - показва резултатите от теста и забранява "
        "всякакви по-нататъшни поправки.",
        "Като данни се извеждат:",
        " - броят на правилно избраните дистрактори (отговори);",
        " - общият брой на въпросите в теста;",
        " - процентът на верните отговори.",
        "В режим на резултат бутоните за избор се оцветяват:",
        " - в червено - въведеният отговор е грешен;",
        " - в зелено - въведеният отговор е верен;",
        " - не се оцветява бутон, ако не е въведен отговор.",
    };
    QString text;
    for (const char *line : lines)
        text += QString::fromUtf8(line) + CrLf;
    return text;
}

WindowModel designModel()
{
    WindowModel m;
    m.caption = QStringLiteral("ВЕЛК - тест с избор на един отговор");
    const QString none;

    m.Label1[0] = make(Kind::Label, "Label1", 0, 3000, 0, 5655, 375,
                       QStringLiteral("ВЕЛК по Чуждоeзиково Обучение"), QStringLiteral("#FFC080"), true);
    m.Label1[0].centred = true;
    m.Command1[0] = make(Kind::Command, "Command1", 0, 240, 120, 1575, 285,
                         QStringLiteral("Напред"), QStringLiteral("#FF8000"), true);
    m.Command2[1] = make(Kind::Command, "Command2", 1, 360, 120, 1575, 285,
                         QStringLiteral("Напред"), QStringLiteral("#8080FF"), false);
    m.Command1[1] = make(Kind::Command, "Command1", 1, 9000, 120, 1575, 285,
                         QStringLiteral("Назад"), QStringLiteral("#C04000"), true);
    m.Command2[2] = make(Kind::Command, "Command2", 2, 9120, 120, 1575, 285,
                         QStringLiteral("Назад"), QStringLiteral("#8080FF"), false);

    m.Text2[0] = make(Kind::TextBox, "Text2", 0, 120, 480, 10635, 765,
                      QStringLiteral("Текст на задавания въпрос") + CrLf, none, true);
    static const char *const optionPlaceholders[] = {
        "1-ви отговор", "2-ри отговор", "3-ти отговор", "4-ти отговор", "5-ти отговор"};
    static const float optionBoxLeft[] = {120, 2640, 5160, 7680, 10320};
    for (int j = 1; j <= 5; ++j)
        m.Text2[j] = make(Kind::TextBox, "Text2", j, optionBoxLeft[j - 1], 1320,
                          j == 5 ? 540 : 2500, 1005,
                          QString::fromUtf8(optionPlaceholders[j - 1]) + CrLf, none, false);

    m.Frame1 = make(Kind::Frame, "Frame1", -1, 120, 2400, 10695, 495, none,
                    QStringLiteral("#8080FF"), true);
    static const float optionLeft[] = {360, 2760, 5280, 7800, 9960};
    for (int b = 0; b < 5; ++b)
        m.Option1[b] = make(Kind::Option, "Option1", b, optionLeft[b], 120, b == 4 ? 600 : 1800, 285,
                            QStringLiteral("Отговор ") + QChar('A' + b), QStringLiteral("#00FF00"), false);

    m.Label1[4] = make(Kind::Label, "Label1", 4, 240, 2880, 2055, 315,
                       QStringLiteral("Въведен отговор: "), QStringLiteral("#FFC080"), true);
    m.Picture1 = make(Kind::Picture, "Picture1", -1, 2400, 2880, 6135, 200, none,
                      QStringLiteral("#FF0000"), true);
    m.Text2[6] = make(Kind::TextBox, "Text2", 6, 120, 3120, 10635, 525,
                      QStringLiteral("При посочен отговор се извежда цялата фраза.") + CrLf, none, false);

    m.Shape1[0] = make(Kind::Shape, "Shape1", 0, 120, 3700, 135, 255, none, QStringLiteral("#00FF00"), true);
    m.Shape1[1] = make(Kind::Shape, "Shape1", 1, 240, 3700, 9855, 255, none, QStringLiteral("#00FFFF"), true);
    m.Shape2[0] = make(Kind::Shape, "Shape2", 0, 120, 4000, 135, 255, none, QStringLiteral("#FF8000"), true);
    m.Shape2[1] = make(Kind::Shape, "Shape2", 1, 240, 4000, 9855, 255, none, QStringLiteral("#FFFF00"), true);

    m.Label1[2] = make(Kind::Label, "Label1", 2, 1800, 4395, 3015, 285,
                       QStringLiteral("Въведени отговори: "), QStringLiteral("#FFC080"), true);
    m.Label1[3] = make(Kind::Label, "Label1", 3, 4920, 4395, 1815, 285,
                       QStringLiteral("Тото: "), QStringLiteral("#FFC080"), false);
    m.Label1[1] = make(Kind::Label, "Label1", 1, 7560, 4395, 3135, 285,
                       QStringLiteral("Резултат: "), QStringLiteral("#FFC080"), true);
    m.Command2[0] = make(Kind::Command, "Command2", 0, 120, 4400, 1575, 285,
                         QStringLiteral("Оценяване"), QStringLiteral("#8080FF"), true);
    m.Picture2 = make(Kind::Picture, "Picture2", -1, 120, 4800, 3375, 2055, none, none, true);
    m.Text1 = make(Kind::TextBox, "Text1", 0, 3600, 4800, 7215, 2055, helpText(), none, true);
    return m;
}

QList<Control *> WindowModel::controls()
{
    QList<Control *> all;
    for (Control &c : Label1) all << &c;
    for (Control &c : Command1) all << &c;
    for (Control &c : Command2) all << &c;
    for (Control &c : Text2) all << &c;
    all << &Frame1;
    for (Control &c : Option1) all << &c;
    all << &Picture1 << &Picture2;
    for (Control &c : Shape1) all << &c;
    for (Control &c : Shape2) all << &c;
    all << &Text1;
    return all;
}

QList<const Control *> WindowModel::controls() const
{
    QList<const Control *> all;
    for (Control *c : const_cast<WindowModel *>(this)->controls())
        all << c;
    return all;
}

}  // namespace velk
