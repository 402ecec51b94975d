#include "velk_prazno.h"
#include "shape_widget.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QMenuBar>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QStyleFactory>
#include <QTextDocument>

static void initUiResources() { Q_INIT_RESOURCE(velk_ui); }

namespace velk {

namespace {

constexpr int ClientWidthTwips = 10905;
constexpr int ClientHeightTwips = 6945;

QString keyOf(const char *name, int index)
{
    const QString n = QString::fromLatin1(name);
    return index < 0 ? n : QStringLiteral("%1(%2)").arg(n).arg(index);
}

QString keyOf(const Control &c) { return keyOf(c.name, c.index); }

// Pixel rectangle of a control: both edges are rounded, so controls that
// meet in twips meet in pixels too.
QRect pixelRect(float left, float top, float width, float height)
{
    const int x = twipsToPixels(left), y = twipsToPixels(top);
    return QRect(x, y, twipsToPixels(left + width) - x, twipsToPixels(top + height) - y);
}

QRect pixelRect(const Control &c) { return pixelRect(c.left, c.top, c.width, c.height); }

// The same colour in every colour group, so a disabled control keeps it.
void paintRoles(QWidget *w, const QColor &colour, std::initializer_list<QPalette::ColorRole> roles)
{
    QPalette p = w->palette();
    for (QPalette::ColorRole role : roles)
        for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
            p.setColor(group, role, colour);
    w->setPalette(p);
}

// Text boxes show CR LF line ends as plain line breaks.
QString displayText(const QString &text)
{
    QString t = text;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return t;
}

// An option button that stays a Tab stop of its own. A radio button in an
// exclusive group normally drops the others of its group from the Tab chain
// when it takes the focus, which would leave keyboard users only the arrows.
class OptionButton : public QRadioButton {
public:
    using QRadioButton::QRadioButton;

protected:
    void focusInEvent(QFocusEvent *event) override { QWidget::focusInEvent(event); }
};

const char *const textBoxNames[] = {"Въпрос", "Отговор 1", "Отговор 2", "Отговор 3",
                                    "Отговор 4", "Отговор 5", "Цяла фраза"};

}  // namespace

static QIcon programIcon()
{
    initUiResources();
    QIcon icon;
    icon.addFile(QStringLiteral(":/ui/icons/velk-16.png"), QSize(16, 16));
    icon.addFile(QStringLiteral(":/ui/icons/velk-32.png"), QSize(32, 32));
    return icon;
}

int twipsToPixels(float twips) { return qRound(twips / 15.0f); }

void prepareApplication(QApplication &app)
{
    initUiResources();
    // Fusion draws the coloured faces and backgrounds alike on every desktop.
    app.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    app.setWindowIcon(programIcon());
}

VELK_Prazno::VELK_Prazno(Engine &engine, QWidget *parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      engine_(engine)
{
    setObjectName(QStringLiteral("VELK_Prazno"));
    setWindowIcon(programIcon());

    // Two commands straight on the bar, without submenus or shortcuts.
    exitAction_ = menuBar()->addAction(QStringLiteral("Изход"));
    authorAction_ = menuBar()->addAction(QStringLiteral("Автор"));
    connect(exitAction_, &QAction::triggered, this, [this] {
        engine_.clickExit();
        afterEvent();
    });
    connect(authorAction_, &QAction::triggered, this, [this] {
        engine_.clickAuthor();
        afterEvent();
    });

    build();
    mirror();

    const QSize clientSize(twipsToPixels(ClientWidthTwips), twipsToPixels(ClientHeightTwips));
    client_->setFixedSize(clientSize);
    setFixedSize(clientSize.width(), clientSize.height() + menuBar()->sizeHint().height());
    if (const QScreen *s = screen() ? screen() : QGuiApplication::primaryScreen()) {
        const QRect area = s->availableGeometry();
        move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
    }
}

void VELK_Prazno::build()
{
    client_ = new QWidget(this);
    client_->setObjectName(QStringLiteral("client"));
    client_->setAutoFillBackground(true);
    paintRoles(client_, QColor(LightBlue), {QPalette::Window});
    client_->setFont(QFont(QStringLiteral("Times New Roman"), 12));
    setCentralWidget(client_);

    options_ = new QButtonGroup(this);
    options_->setExclusive(true);
    // Only a pupil's click reaches the engine; checking a button in code
    // raises clicked() neither here nor anywhere else.
    connect(options_, &QButtonGroup::idClicked, this, [this](int id) {
        engine_.clickOption(id);
        afterEvent();
    });

    const auto barHolder = [this](const Control &shape, const QString &objectName,
                                  const QString &name) {
        auto *bar = new QWidget(client_);
        bar->setObjectName(objectName);
        const QRect r = pixelRect(shape);
        bar->setGeometry(0, r.y(), twipsToPixels(ClientWidthTwips), r.height());
        bar->setAccessibleName(name);
        bar->setFocusPolicy(Qt::NoFocus);
        return bar;
    };
    const WindowModel &m = engine_.model();
    positionBar_ = barHolder(m.Shape1[0], QStringLiteral("positionBar"), QStringLiteral("Позиция в теста"));
    answeredBar_ = barHolder(m.Shape2[0], QStringLiteral("answeredBar"), QStringLiteral("Въведени отговори"));

    for (const Control *c : m.controls())
        widgets_.insert(keyOf(*c), createControl(*c));
    setTabOrder();
}

QWidget *VELK_Prazno::createControl(const Control &c)
{
    QWidget *w = nullptr;
    switch (c.kind) {
    case Kind::Label: {
        auto *label = new QLabel(client_);
        label->setAutoFillBackground(true);
        label->setWordWrap(true);
        label->setAlignment(c.centred ? Qt::AlignHCenter | Qt::AlignTop : Qt::AlignLeft | Qt::AlignTop);
        w = label;
        break;
    }
    case Kind::Command: {
        auto *button = new QPushButton(client_);
        button->setAutoDefault(false);
        const int index = c.index;
        if (QLatin1String(c.name) == QLatin1String("Command1"))
            connect(button, &QPushButton::clicked, this, [this, index] {
                engine_.clickCommand1(index);
                afterEvent();
            });
        else
            connect(button, &QPushButton::clicked, this, [this, index] {
                engine_.clickCommand2(index);
                afterEvent();
            });
        w = button;
        break;
    }
    case Kind::TextBox: {
        auto *box = new QPlainTextEdit(client_);
        box->setReadOnly(true);
        // Keyboard users can still move through and select the text.
        box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        box->setTabChangesFocus(true);
        box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        if (c.width < 1000) {
            // The fifth option's column is 36 pixels wide: a fixed scroll bar
            // and the usual margins would leave room for one letter a line.
            box->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
            box->document()->setDocumentMargin(1);
        }
        box->setFocusPolicy(Qt::StrongFocus);
        paintRoles(box, QApplication::palette().color(QPalette::Window), {QPalette::Window});
        if (QLatin1String(c.name) == QLatin1String("Text1"))
            box->setAccessibleName(QStringLiteral("Помощ"));
        else if (c.index >= 0 && c.index <= 6)
            box->setAccessibleName(QString::fromUtf8(textBoxNames[c.index]));
        w = box;
        break;
    }
    case Kind::Frame: {
        frame_ = new QFrame(client_);
        frame_->setFrameShape(QFrame::NoFrame);
        frame_->setAutoFillBackground(true);
        w = frame_;
        break;
    }
    case Kind::Option: {
        auto *option = new OptionButton(frame_ ? static_cast<QWidget *>(frame_) : client_);
        option->setAutoFillBackground(true);
        option->setFocusPolicy(Qt::StrongFocus);
        options_->addButton(option, c.index);
        w = option;
        break;
    }
    case Kind::Picture: {
        auto *box = new QLabel(client_);
        box->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        box->setLineWidth(2);
        box->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        box->setAutoFillBackground(true);
        box->setFocusPolicy(Qt::StrongFocus);
        paintRoles(box, QApplication::palette().color(QPalette::Window), {QPalette::Window});
        box->setAccessibleName(QLatin1String(c.name) == QLatin1String("Picture1")
                                   ? QStringLiteral("Индикатор за отговор")
                                   : QStringLiteral("Фигура"));
        w = box;
        break;
    }
    case Kind::Shape: {
        const bool position = QLatin1String(c.name) == QLatin1String("Shape1");
        w = new ShapeWidget(position ? positionBar_ : answeredBar_);
        break;
    }
    }
    w->setObjectName(keyOf(c));
    if (c.kind != Kind::Shape)
        w->setGeometry(pixelRect(c));
    return w;
}

void VELK_Prazno::setTabOrder()
{
    static const char *const order[] = {
        "Text1(0)", "Text2(0)", "Text2(1)", "Text2(2)", "Text2(3)", "Text2(4)", "Text2(6)",
        "Option1(0)", "Option1(1)", "Option1(2)", "Option1(3)", "Command1(0)", "Command1(1)",
        "Command2(0)", "Command2(1)", "Command2(2)", "Picture1", "Text2(5)", "Picture2",
        "Option1(4)"};
    QWidget *previous = nullptr;
    for (const char *name : order) {
        QWidget *w = widgets_.value(QString::fromLatin1(name));
        if (previous && w)
            QWidget::setTabOrder(previous, w);
        if (w)
            previous = w;
    }
    if (QWidget *first = widgets_.value(QStringLiteral("Text1(0)")))
        first->setFocus();
}

QWidget *VELK_Prazno::widgetFor(const char *name, int index) const
{
    return widgets_.value(keyOf(name, index));
}

void VELK_Prazno::formLoad()
{
    engine_.Form_Load();
    mirror();
}

void VELK_Prazno::afterEvent()
{
    mirror();
    if (engine_.model().exitRequested) {
        close();
        QCoreApplication::quit();
    }
}

void VELK_Prazno::mirror()
{
    const WindowModel &m = engine_.model();
    if (windowTitle() != m.caption)
        setWindowTitle(m.caption);

    for (const Control *c : m.controls()) {
        QWidget *w = widgets_.value(keyOf(*c));
        if (!w)
            continue;
        const QColor colour(c->colour);
        const bool colourChanged = shownColour_.value(w) != c->colour;
        switch (c->kind) {
        case Kind::Label: {
            auto *label = static_cast<QLabel *>(w);
            if (label->text() != c->text)
                label->setText(c->text);
            if (colourChanged && colour.isValid())
                paintRoles(w, colour, {QPalette::Window});
            break;
        }
        case Kind::Command: {
            auto *button = static_cast<QPushButton *>(w);
            if (button->text() != c->text)
                button->setText(c->text);
            if (colourChanged && colour.isValid())
                paintRoles(w, colour, {QPalette::Button});
            break;
        }
        case Kind::TextBox: {
            // Rewriting an unchanged text would lose the reader's place.
            if (shownText_.value(w) != c->text || !shownText_.contains(w)) {
                static_cast<QPlainTextEdit *>(w)->setPlainText(displayText(c->text));
                shownText_.insert(w, c->text);
            }
            break;
        }
        case Kind::Frame:
        case Kind::Picture:
            if (colourChanged && colour.isValid())
                paintRoles(w, colour, {QPalette::Window});
            break;
        case Kind::Option:
            if (static_cast<QRadioButton *>(w)->text() != c->text)
                static_cast<QRadioButton *>(w)->setText(c->text);
            if (colourChanged && colour.isValid()) {
                paintRoles(w, colour, {QPalette::Window, QPalette::Button});
                // Locked in review, the caption must stay readable on green and red.
                QPalette p = w->palette();
                p.setColor(QPalette::Disabled, QPalette::WindowText, QColor(0x40, 0x40, 0x40));
                p.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(0x40, 0x40, 0x40));
                w->setPalette(p);
            }
            break;
        case Kind::Shape: {
            auto *shape = static_cast<ShapeWidget *>(w);
            const QRect r = pixelRect(*c);
            const int barTop = shape->parentWidget()->y();
            shape->setGeometry(r.x(), r.y() - barTop, r.width(), r.height());
            if (colour.isValid())
                shape->setFill(colour);
            // A part the formulas shrink to nothing is not drawn at all.
            shape->setHidden(!c->visible || r.width() <= 0);
            break;
        }
        }
        shownColour_.insert(w, c->colour);
        if (w->isEnabled() != c->enabled)
            w->setEnabled(c->enabled);
        if (c->kind != Kind::Shape && w->isHidden() == c->visible)
            w->setHidden(!c->visible);
    }

    // Checked state: set in code with signals held back, so only a pupil's
    // click ever reaches the answer handler.
    int checked = -1;
    for (int b = 0; b < 5; ++b)
        if (m.Option1[b].checked)
            checked = b;
    const QSignalBlocker blockGroup(options_);
    const QList<QAbstractButton *> buttons = options_->buttons();
    for (QAbstractButton *b : buttons)
        b->blockSignals(true);
    if (checked < 0) {
        // An exclusive group refuses to uncheck its last button.
        options_->setExclusive(false);
        for (QAbstractButton *b : buttons)
            b->setChecked(false);
        options_->setExclusive(true);
    } else if (QAbstractButton *b = options_->button(checked)) {
        b->setChecked(true);
    }
    for (QAbstractButton *b : buttons) {
        b->blockSignals(false);
        b->setFocusPolicy(Qt::StrongFocus);   // checking may have narrowed it
    }

    if (m.figure != shownFigure_) {
        auto *box = static_cast<QLabel *>(widgets_.value(QStringLiteral("Picture2")));
        // Shown at its own size from the top-left corner; a figure that
        // cannot be read leaves the box empty.
        const QPixmap figure(m.figure);
        if (m.figure.isEmpty() || figure.isNull())
            box->clear();
        else
            box->setPixmap(figure);
        shownFigure_ = m.figure;
    }
    updateAccessibility();
}

void VELK_Prazno::updateAccessibility()
{
    const WindowModel &m = engine_.model();
    const TestState &s = engine_.state();
    // During the test the strip says whether the position has an answer; in
    // review (grading disabled) red means the answer is missing or wrong.
    const bool review = !m.Command2[0].enabled;
    const bool green = m.Picture1.colour == Green;
    if (QWidget *strip = widgets_.value(QStringLiteral("Picture1")))
        strip->setAccessibleDescription(review ? (green ? QStringLiteral("верен отговор")
                                                        : QStringLiteral("няма верен отговор"))
                                               : (green ? QStringLiteral("има отговор")
                                                        : QStringLiteral("няма отговор")));
    const int n = s.QuestionCount;
    positionBar_->setAccessibleDescription(
        n > 0 ? QStringLiteral("въпрос %1 от %2").arg(s.CurrentPos + 1).arg(n) : QString());
    answeredBar_->setAccessibleDescription(
        n > 0 ? QStringLiteral("%1 от %2 въведени").arg(s.AnsweredCount).arg(n) : QString());
    // In review the disabled buttons carry the verdict in their colour only;
    // say it in words as well.
    for (int b = 0; b < 5; ++b) {
        const Control &c = m.Option1[b];
        QString description;
        if (!c.enabled && c.colour == Green)
            description = QStringLiteral("верен отговор");
        else if (!c.enabled && c.colour == Red)
            description = QStringLiteral("грешен отговор");
        if (QWidget *w = widgetFor("Option1", b); w && w->accessibleDescription() != description)
            w->setAccessibleDescription(description);
    }
}

}  // namespace velk
