#include "bankfile.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QStringDecoder>

namespace velk {

namespace {

constexpr int MaxFileBytes = 1 << 20;
constexpr int MinQuestions = 3;
constexpr int MaxQuestions = Bank::Slots;   // counting the copy for the guess check
constexpr int MinOptions = 2;
constexpr int MaxOptions = 5;
constexpr int SettingsRows = 6;

struct Question {
    int line = 0;                 // line of its stem
    QString stem;
    QStringList options;
    QList<int> rightOptions;      // indexes of options written with 'right:'
    QList<int> rightLines;        // and the lines they stand on
    QString key;
    bool hasKey = false;
    QStringList explain;
    QString figure;
    int figureLine = 0;
};

class Parser {
public:
    Parser(const QString &fileName, const QString &figureDir, const QString &figurePrefix)
        : file_(fileName), dir_(figureDir), prefix_(figurePrefix) {}

    LoadResult run(const QByteArray &text);

private:
    void fault(int line, const QString &what)
    {
        result_.faults << QStringLiteral("%1:%2: %3").arg(file_).arg(line).arg(what);
    }
    void fault(const QString &what)
    {
        result_.faults << QStringLiteral("%1: %2").arg(file_, what);
    }
    void faultQ(int qi, int line, const QString &what)
    {
        fault(line, QStringLiteral("question %1: %2").arg(qi + 1).arg(what));
    }
    void parseLine(int line, const QString &raw);
    void check();
    void checkQuestion(int qi, const Question &q, bool phraseMode);
    void checkFigure(int qi, const Question &q);
    void fill();

    QString file_, dir_, prefix_;
    QStringList settings_;
    QStringList note_;
    QList<Question> questions_;
    LoadResult result_;
};

LoadResult Parser::run(const QByteArray &text)
{
    if (text.size() > MaxFileBytes) {
        fault(QStringLiteral("the file is larger than %1 bytes").arg(MaxFileBytes));
        return std::move(result_);
    }
    auto decode = QStringDecoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QList<QByteArray> lines = text.split('\n');
    for (int i = 0; i < lines.size(); ++i) {
        QByteArray bytes = lines[i];
        if (bytes.endsWith('\r'))
            bytes.chop(1);
        if (i == 0 && bytes.startsWith("\xEF\xBB\xBF"))
            bytes.remove(0, 3);
        const QString line = decode(bytes);
        if (decode.hasError()) {
            fault(i + 1, QStringLiteral("the line is not UTF-8 text"));
            decode.resetState();
            continue;
        }
        parseLine(i + 1, line);
    }
    check();
    if (result_.ok())
        fill();
    return std::move(result_);
}

void Parser::parseLine(int line, const QString &raw)
{
    if (raw.trimmed().isEmpty() || raw.startsWith(QLatin1Char('#')))
        return;
    const int colon = raw.indexOf(QLatin1Char(':'));
    const QString keyword = colon > 0 ? raw.left(colon).trimmed() : QString();
    QString value = colon > 0 ? raw.mid(colon + 1) : QString();
    if (value.startsWith(QLatin1Char(' ')))
        value.remove(0, 1);
    if (value.contains(QChar(0)) || value.contains(QLatin1Char('\r'))) {
        fault(line, QStringLiteral("the line holds a control character"));
        return;
    }

    if (keyword == QLatin1String("setting") || keyword == QLatin1String("note")) {
        if (!questions_.isEmpty()) {
            fault(line, QStringLiteral("'%1:' must stand before the first question").arg(keyword));
            return;
        }
        (keyword == QLatin1String("setting") ? settings_ : note_) << value;
        return;
    }
    if (keyword == QLatin1String("stem")) {
        Question q;
        q.line = line;
        q.stem = value;
        questions_ << q;
        return;
    }
    static const QStringList questionKeywords = {
        QStringLiteral("option"), QStringLiteral("right"), QStringLiteral("key"),
        QStringLiteral("explain"), QStringLiteral("figure")};
    if (!questionKeywords.contains(keyword)) {
        const QString known = QStringLiteral("setting, note, stem, option, right, key, explain or figure");
        fault(line, keyword.isEmpty()
                        ? QStringLiteral("malformed line: it does not start with a keyword and ':' (%1)").arg(known)
                        : QStringLiteral("malformed line: unknown keyword '%1' (expected %2)").arg(keyword, known));
        return;
    }
    if (questions_.isEmpty()) {
        fault(line, QStringLiteral("'%1:' stands before the first 'stem:'").arg(keyword));
        return;
    }
    const int qi = questions_.size() - 1;
    Question &q = questions_.last();
    if (keyword == QLatin1String("option") || keyword == QLatin1String("right")) {
        if (keyword == QLatin1String("right")) {
            q.rightOptions << q.options.size();
            q.rightLines << line;
        }
        q.options << value;
    } else if (keyword == QLatin1String("key")) {
        if (q.hasKey)
            faultQ(qi, line, QStringLiteral("a second 'key:'; a question has one key"));
        q.key = value;
        q.hasKey = true;
    } else if (keyword == QLatin1String("explain")) {
        q.explain << value;
    } else {  // figure
        if (q.figureLine != 0)
            faultQ(qi, line, QStringLiteral("a second 'figure:'; a question has one figure at most"));
        q.figure = value.trimmed();
        q.figureLine = line;
        if (q.figure.isEmpty())
            faultQ(qi, line, QStringLiteral("'figure:' without a file name"));
    }
}

void Parser::check()
{
    if (settings_.size() != SettingsRows)
        fault(QStringLiteral("%1 settings rows; a bank needs exactly %2")
                  .arg(settings_.size()).arg(SettingsRows));
    Bank settingsOnly;
    settingsOnly.List2 = settings_;
    const bool copy = settingsOnly.SettingDigit(GuessCheck) == 1;
    const bool phraseMode = settingsOnly.SettingDigit(PhraseMode) == 1;

    const int n = questions_.size() + (copy ? 1 : 0);
    if (n < MinQuestions || n > MaxQuestions) {
        fault(copy ? QStringLiteral("%1 questions, %2 with the copy of the first one for the "
                                    "guess check; a test needs %3 to %4")
                         .arg(questions_.size()).arg(n).arg(MinQuestions).arg(MaxQuestions)
                   : QStringLiteral("%1 questions; a test needs %2 to %3")
                         .arg(questions_.size()).arg(MinQuestions).arg(MaxQuestions));
    }
    for (int qi = 0; qi < questions_.size(); ++qi)
        checkQuestion(qi, questions_[qi], phraseMode);
}

void Parser::checkQuestion(int qi, const Question &q, bool phraseMode)
{
    const int m = q.options.size();
    if (m < MinOptions || m > MaxOptions)
        faultQ(qi, q.line, QStringLiteral("%1 %2; a question needs %3 to %4 options")
                               .arg(m).arg(m == 1 ? QStringLiteral("option") : QStringLiteral("options"))
                               .arg(MinOptions).arg(MaxOptions));

    if (q.hasKey && !q.rightOptions.isEmpty()) {
        faultQ(qi, q.line, QStringLiteral("both 'key:' and a 'right:' option; give one of them"));
    } else if (!q.hasKey && q.rightOptions.isEmpty()) {
        faultQ(qi, q.line, QStringLiteral("no right answer; mark one option 'right:'"));
    } else if (q.rightOptions.size() > 1) {
        faultQ(qi, q.rightLines.at(1), QStringLiteral("%1 options are marked 'right:'; exactly one may be")
                                           .arg(q.rightOptions.size()));
    } else {
        const QString key = q.hasKey ? q.key : q.options.at(q.rightOptions.first());
        const int matches = q.options.count(key);
        if (matches == 0)
            faultQ(qi, q.line, QStringLiteral("the key \"%1\" matches no option").arg(key));
        else if (matches > 1)
            faultQ(qi, q.line, QStringLiteral("the key \"%1\" matches %2 options; it must match one")
                                   .arg(key).arg(matches));
    }

    if (phraseMode && !q.stem.contains(QLatin1Char('_')))
        faultQ(qi, q.line, QStringLiteral("phrase mode is on, but the stem has no gap \"_\""));

    if (!q.figure.isEmpty())
        checkFigure(qi, q);
}

void Parser::checkFigure(int qi, const Question &q)
{
    const QString name = q.figure;
    if (name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')) || name.startsWith(QLatin1Char('.'))) {
        faultQ(qi, q.figureLine, QStringLiteral("figure \"%1\": give a plain file name beside the bank file").arg(name));
        return;
    }
    const QString path = dir_ + QLatin1Char('/') + name;
    if (!QFileInfo(path).isFile()) {
        faultQ(qi, q.figureLine, QStringLiteral("figure \"%1\" is missing beside the bank file").arg(name));
        return;
    }
    QImageReader reader(path);
    const QSize size = reader.size();
    if (size.isValid() && (size.width() > FigureMaxWidth || size.height() > FigureMaxHeight)) {
        faultQ(qi, q.figureLine, QStringLiteral("figure \"%1\" is %2×%3 pixels; the figure box "
                                                "holds at most %4×%5")
                                     .arg(name).arg(size.width()).arg(size.height())
                                     .arg(FigureMaxWidth).arg(FigureMaxHeight));
        return;
    }
    const QImage image = reader.read();
    if (image.isNull()) {
        faultQ(qi, q.figureLine, QStringLiteral("figure \"%1\" cannot be read as an image").arg(name));
        return;
    }
    if (image.width() > FigureMaxWidth || image.height() > FigureMaxHeight)
        faultQ(qi, q.figureLine, QStringLiteral("figure \"%1\" is %2×%3 pixels; the figure box "
                                                "holds at most %4×%5")
                                     .arg(name).arg(image.width()).arg(image.height())
                                     .arg(FigureMaxWidth).arg(FigureMaxHeight));
    if (!result_.figureFiles.contains(name))
        result_.figureFiles << name;
}

void Parser::fill()
{
    Bank &bank = result_.bank;
    bank.List2 = settings_;
    bank.Text1 = note_;
    QStringList *key = bank.List1Mut(0);
    for (int qi = 0; qi < questions_.size(); ++qi) {
        const Question &q = questions_[qi];
        const int k = qi + 1;
        *key << (q.hasKey ? q.key : q.options.at(q.rightOptions.first()));
        QStringList *list = bank.List1Mut(k);
        list->clear();
        *list << q.stem << q.options;
        if (!q.explain.isEmpty())
            bank.obqsnenieRef(k) = q.explain;
        if (!q.figure.isEmpty())
            bank.setPicture1(k, prefix_ + q.figure);
    }
    // Slots no question fills keep placeholders, so a teacher writes only
    // real questions.
    for (int k = questions_.size() + 1; k <= Bank::QuestionLists; ++k) {
        QStringList *list = bank.List1Mut(k);
        if (list->isEmpty())
            *list << QStringLiteral("List1(%1) - въпрос от теста").arg(k);
    }
    for (int k = 1; k <= Bank::Slots; ++k)
        if (bank.Obqsnenie(k).isEmpty())
            bank.obqsnenieRef(k) << QStringLiteral("Обяснение %1").arg(k);
}

}  // namespace

LoadResult loadBank(const QString &fileName, const QByteArray &text,
                    const QString &figureDir, const QString &figurePrefix)
{
    return Parser(fileName, figureDir, figurePrefix).run(text);
}

LoadResult loadBankFile(const QString &path)
{
    const QFileInfo info(path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        LoadResult result;
        result.faults << QStringLiteral("%1: cannot be opened: %2").arg(info.fileName(), file.errorString());
        return result;
    }
    const QString dir = info.absolutePath();
    return loadBank(info.fileName(), file.read(MaxFileBytes + 1), dir, dir + QLatin1Char('/'));
}

LoadResult loadEmbeddedBank()
{
    const QString path = QStringLiteral(":/velk/bank.txt");
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        LoadResult result;
        result.faults << QStringLiteral("%1: the program carries no question bank").arg(path);
        return result;
    }
    return loadBank(QStringLiteral("bank.txt"), file.readAll(), QStringLiteral(":/velk"),
                    QStringLiteral(":/velk/"));
}

}  // namespace velk
