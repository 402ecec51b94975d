#include "figgen.h"

#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QRegularExpression>
#include <QSet>
#include <QtMath>

#include <cmath>
#include <optional>

namespace figgen {

namespace {

const QColor Ink(Qt::black);
const QColor Shade(0xE4, 0xE4, 0xE4);
constexpr double LineWidth = 1.2;
constexpr int DefaultMargin = 14;
constexpr int DefaultFontPx = 12;

// A small calculator for coordinates: numbers, + - * / and parentheses,
// sqrt, and sin/cos/tan of an angle in degrees, so that a description can
// say "cos(50)" instead of a rounded value.
class Expr {
public:
    explicit Expr(const QString &s) : s_(s) {}
    std::optional<double> value()
    {
        const std::optional<double> v = sum();
        if (!v || pos_ != s_.size())
            return std::nullopt;
        return v;
    }

private:
    std::optional<double> sum()
    {
        std::optional<double> v = product();
        while (v && pos_ < s_.size() && (s_[pos_] == '+' || s_[pos_] == '-')) {
            const QChar op = s_[pos_++];
            const std::optional<double> r = product();
            if (!r)
                return std::nullopt;
            v = op == '+' ? *v + *r : *v - *r;
        }
        return v;
    }
    std::optional<double> product()
    {
        std::optional<double> v = unary();
        while (v && pos_ < s_.size() && (s_[pos_] == '*' || s_[pos_] == '/')) {
            const QChar op = s_[pos_++];
            const std::optional<double> r = unary();
            if (!r || (op == '/' && *r == 0))
                return std::nullopt;
            v = op == '*' ? *v * *r : *v / *r;
        }
        return v;
    }
    std::optional<double> unary()
    {
        if (pos_ < s_.size() && s_[pos_] == '-') {
            ++pos_;
            const std::optional<double> v = unary();
            return v ? std::optional<double>(-*v) : std::nullopt;
        }
        return atom();
    }
    std::optional<double> atom()
    {
        if (pos_ >= s_.size())
            return std::nullopt;
        if (s_[pos_] == '(') {
            ++pos_;
            const std::optional<double> v = sum();
            if (!v || pos_ >= s_.size() || s_[pos_] != ')')
                return std::nullopt;
            ++pos_;
            return v;
        }
        int start = pos_;
        while (pos_ < s_.size() && s_[pos_].isLetter())
            ++pos_;
        if (pos_ > start) {
            const QString fn = s_.mid(start, pos_ - start);
            if (pos_ >= s_.size() || s_[pos_] != '(')
                return std::nullopt;
            const std::optional<double> arg = atom();
            if (!arg)
                return std::nullopt;
            if (fn == QLatin1String("sqrt"))
                return *arg >= 0 ? std::optional<double>(std::sqrt(*arg)) : std::nullopt;
            if (fn == QLatin1String("sin"))
                return std::sin(qDegreesToRadians(*arg));
            if (fn == QLatin1String("cos"))
                return std::cos(qDegreesToRadians(*arg));
            if (fn == QLatin1String("tan"))
                return std::tan(qDegreesToRadians(*arg));
            return std::nullopt;
        }
        start = pos_;
        while (pos_ < s_.size() && (s_[pos_].isDigit() || s_[pos_] == '.'))
            ++pos_;
        bool ok = false;
        const double v = s_.mid(start, pos_ - start).toDouble(&ok);
        return ok ? std::optional<double>(v) : std::nullopt;
    }

    QString s_;
    int pos_ = 0;
};

// Where a text goes relative to its anchor: a compass direction.
bool compass(const QString &w, QPointF *dir)
{
    static const QHash<QString, QPointF> dirs = {
        {"n", {0, -1}}, {"ne", {1, -1}}, {"e", {1, 0}}, {"se", {1, 1}}, {"s", {0, 1}},
        {"sw", {-1, 1}}, {"w", {-1, 0}}, {"nw", {-1, -1}}, {"c", {0, 0}}};
    if (!dirs.contains(w))
        return false;
    *dir = dirs.value(w);
    return true;
}

QPointF unit(QPointF v)
{
    const double len = std::hypot(v.x(), v.y());
    return len > 0 ? v / len : QPointF();
}

// The tokens of a command line, and the text that follows the first n.
QStringList tokens(const QString &line) { return line.split(QRegularExpression("\\s+"), Qt::SkipEmptyParts); }

QString restAfter(const QString &line, int n)
{
    static const QRegularExpression token("\\S+");
    auto it = token.globalMatch(line);
    int end = 0;
    for (int i = 0; i < n && it.hasNext(); ++i)
        end = it.next().capturedEnd();
    return line.mid(end).trimmed();
}

class Renderer {
public:
    Renderer(const Figure &f, const QString &file, QStringList *faults)
        : f_(f), file_(file), faults_(faults) {}
    QImage run();

private:
    void fault(int i, const QString &what)
    {
        if (faults_)
            *faults_ << QStringLiteral("%1:%2: %3: %4").arg(file_).arg(f_.lines.at(i)).arg(f_.file, what);
        ok_ = false;
    }
    bool pointsOf(int i, const QStringList &names, QList<QPointF> *out);
    bool number(int i, const QString &s, double *v);
    void definePoint(int i, const QStringList &t);
    QPointF px(QPointF p) const { return {ox_ + (p.x() - x0_) * s_, oy_ + (y1_ - p.y()) * s_}; }
    void placeText(QPainter &p, QPointF anchor, QPointF dir, const QString &text, double gap = 3);
    void draw(QPainter &p, int i, const QStringList &t, int pass);

    const Figure &f_;
    QString file_;
    QStringList *faults_;
    bool ok_ = true;
    QHash<QString, QPointF> points_;
    QHash<QString, QString> labelAt_;   // point name -> where its label goes ("" = automatic)
    QStringList order_;                 // points in the order they were defined
    QSet<QString> shown_;               // points the drawing uses: they fix the scale
    double x0_ = 0, y1_ = 0, s_ = 1, ox_ = 0, oy_ = 0;
    int fontPx_ = DefaultFontPx;
};

bool Renderer::number(int i, const QString &s, double *v)
{
    const std::optional<double> r = Expr(s).value();
    if (!r) {
        fault(i, QStringLiteral("\"%1\" is not a number").arg(s));
        return false;
    }
    *v = *r;
    return true;
}

bool Renderer::pointsOf(int i, const QStringList &names, QList<QPointF> *out)
{
    for (const QString &n : names) {
        if (!points_.contains(n)) {
            fault(i, QStringLiteral("no point %1 defined before this line").arg(n));
            return false;
        }
        *out << points_.value(n);
    }
    return true;
}

// point NAME X Y [WHERE] | point NAME on P Q T | foot P Q R | meet P Q R S | bisect P V Q
void Renderer::definePoint(int i, const QStringList &t)
{
    if (t.size() < 4) {
        fault(i, QStringLiteral("'point' needs a name and where the point is"));
        return;
    }
    const QString name = t[1];
    const QString how = t[2];
    static const QHash<QString, int> arity = {{"on", 3}, {"foot", 3}, {"meet", 4}, {"bisect", 3}};
    QPointF at;
    int used;
    if (arity.contains(how)) {
        const int k = arity.value(how);
        used = 3 + k;
        if (t.size() < used) {
            fault(i, QStringLiteral("'point %1 %2' needs %3 more words").arg(name, how).arg(k));
            return;
        }
        QList<QPointF> p;
        if (!pointsOf(i, how == QLatin1String("on") ? t.mid(3, 2) : t.mid(3, k), &p))
            return;
        if (how == QLatin1String("on")) {
            double s;
            if (!number(i, t[5], &s))
                return;
            at = p[0] + s * (p[1] - p[0]);
        } else if (how == QLatin1String("foot")) {
            const QPointF d = p[2] - p[1];
            const double dd = QPointF::dotProduct(d, d);
            if (dd == 0) {
                fault(i, QStringLiteral("the line %1%2 has no direction").arg(t[4], t[5]));
                return;
            }
            at = p[1] + QPointF::dotProduct(p[0] - p[1], d) / dd * d;
        } else if (how == QLatin1String("meet")) {
            const QPointF r = p[1] - p[0], s = p[3] - p[2];
            const double cross = r.x() * s.y() - r.y() * s.x();
            if (std::abs(cross) < 1e-12) {
                fault(i, QStringLiteral("the lines %1%2 and %3%4 do not cross").arg(t[3], t[4], t[5], t[6]));
                return;
            }
            const QPointF q = p[2] - p[0];
            at = p[0] + (q.x() * s.y() - q.y() * s.x()) / cross * r;
        } else {  // bisect: one step along the bisector of angle P V Q
            at = p[1] + unit(p[0] - p[1]) + unit(p[2] - p[1]);
        }
    } else {
        used = 4;
        double x, y;
        if (!number(i, t[2], &x) || !number(i, t[3], &y))
            return;
        at = {x, y};
    }
    if (t.size() > used + 1) {
        fault(i, QStringLiteral("too many words after the point %1").arg(name));
        return;
    }
    QString where = t.size() > used ? t[used] : QString();
    QPointF dummy;
    if (!where.isEmpty() && where != QLatin1String("-") && !compass(where, &dummy)) {
        fault(i, QStringLiteral("\"%1\" is no label place: use n ne e se s sw w nw c or -").arg(where));
        return;
    }
    if (points_.contains(name)) {
        fault(i, QStringLiteral("the point %1 is defined twice").arg(name));
        return;
    }
    points_.insert(name, at);
    labelAt_.insert(name, where);
    order_ << name;
    if (where != QLatin1String("-"))
        shown_ << name;
}

void Renderer::placeText(QPainter &p, QPointF anchor, QPointF dir, const QString &text, double gap)
{
    const QFontMetricsF fm(p.font());
    const double w = fm.horizontalAdvance(text), h = fm.ascent() + fm.descent() * 0.3;
    // The text box sits beside the anchor on the side `dir` points to.
    const QPointF c(anchor.x() + dir.x() * (w / 2 + gap), anchor.y() + dir.y() * (h / 2 + gap));
    QRectF box(c.x() - w / 2, c.y() - h / 2, w, h);
    // Keep it inside the image.
    box.moveLeft(qBound(1.0, box.left(), f_.width - 1 - w));
    box.moveTop(qBound(0.0, box.top(), f_.height - h));
    // A white rim keeps a text readable where it crosses a line.
    const QPointF base(box.left(), box.top() + fm.ascent());
    p.setPen(Qt::white);
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy)
            if (dx || dy)
                p.drawText(base + QPointF(dx, dy), text);
    p.setPen(Ink);
    p.drawText(base, text);
}

// Pass 0 fills, pass 1 lines and marks, pass 2 texts.
void Renderer::draw(QPainter &p, int i, const QStringList &t, int pass)
{
    const QString &cmd = t[0];
    const QString line = f_.commands.at(i);
    QList<QPointF> pts;
    QPen pen(Ink, LineWidth);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);

    if (cmd == QLatin1String("polygon") || cmd == QLatin1String("fill")) {
        if (t.size() < 4) {
            if (pass == 1)
                fault(i, QStringLiteral("'%1' needs at least three points").arg(cmd));
            return;
        }
        if ((cmd == QLatin1String("fill")) != (pass == 0) || !pointsOf(i, t.mid(1), &pts))
            return;
        QPolygonF poly;
        for (QPointF q : pts)
            poly << px(q);
        if (pass == 0) {
            p.setPen(Qt::NoPen);
            p.setBrush(Shade);
        }
        p.drawPolygon(poly);
    } else if (cmd == QLatin1String("segment")) {
        if (pass != 1)
            return;
        if (t.size() < 3 || t.size() > 4 || (t.size() == 4 && t[3] != QLatin1String("dashed"))) {
            fault(i, QStringLiteral("write 'segment P Q' or 'segment P Q dashed'"));
            return;
        }
        if (!pointsOf(i, t.mid(1, 2), &pts))
            return;
        if (t.size() == 4) {
            pen.setDashPattern({3.5, 2.5});
            pen.setCapStyle(Qt::FlatCap);
            p.setPen(pen);
        }
        p.drawLine(px(pts[0]), px(pts[1]));
    } else if (cmd == QLatin1String("dot")) {
        if (pass != 1)
            return;
        if (t.size() < 2 || !pointsOf(i, t.mid(1), &pts))
            return;
        p.setBrush(Ink);
        p.setPen(Qt::NoPen);
        for (QPointF q : pts)
            p.drawEllipse(px(q), 1.8, 1.8);
    } else if (cmd == QLatin1String("ticks") || cmd == QLatin1String("parallel")) {
        if (pass != 1)
            return;
        bool ok = t.size() == 4;
        const int n = ok ? t[3].toInt(&ok) : 0;
        if (!ok || n < 1 || n > 3) {
            fault(i, QStringLiteral("write '%1 P Q N' with N from 1 to 3").arg(cmd));
            return;
        }
        if (!pointsOf(i, t.mid(1, 2), &pts))
            return;
        const QPointF a = px(pts[0]), b = px(pts[1]);
        const QPointF u = unit(b - a), v(-u.y(), u.x());
        const QPointF mid = (a + b) / 2;
        for (int k = 0; k < n; ++k) {
            const QPointF c = mid + u * ((k - (n - 1) / 2.0) * 3.5);
            if (cmd == QLatin1String("ticks")) {
                p.drawLine(c - v * 3.5, c + v * 3.5);
            } else {
                p.drawLine(c + u * 2.5, c - u * 2.5 + v * 3.5);
                p.drawLine(c + u * 2.5, c - u * 2.5 - v * 3.5);
            }
        }
    } else if (cmd == QLatin1String("angle") || cmd == QLatin1String("right")) {
        const bool right = cmd == QLatin1String("right");
        if (t.size() < (right ? 4 : 6) || (right && t.size() > 4)) {
            if (pass == 1)
                fault(i, right ? QStringLiteral("write 'right P V Q'")
                               : QStringLiteral("write 'angle P V Q ARCS RADIUS [TEXT]'"));
            return;
        }
        if (pass == 0)
            return;
        // Missing points are reported once, while the lines are drawn.
        if (pass == 2)
            for (const QString &n : t.mid(1, 3))
                if (!points_.contains(n))
                    return;
        if (!pointsOf(i, t.mid(1, 3), &pts))
            return;
        const QPointF v = px(pts[1]);
        const QPointF u1 = unit(px(pts[0]) - v), u2 = unit(px(pts[2]) - v);
        if (right) {
            if (pass == 1) {
                const double s = 6.5;
                p.drawPolyline(QPolygonF{v + u1 * s, v + (u1 + u2) * s, v + u2 * s});
            }
            return;
        }
        bool okA = false, okR = false;
        const int arcs = t[4].toInt(&okA);
        const double r = t[5].toDouble(&okR);
        if (!okA || !okR || arcs < 0 || arcs > 3 || r <= 0) {
            if (pass == 1)
                fault(i, QStringLiteral("ARCS is 0 to 3 and RADIUS a size in pixels"));
            return;
        }
        // Angles as the screen shows them: counter-clockwise, y down.
        const double a1 = qRadiansToDegrees(std::atan2(-u1.y(), u1.x()));
        const double a2 = qRadiansToDegrees(std::atan2(-u2.y(), u2.x()));
        double span = a2 - a1;
        while (span > 180)
            span -= 360;
        while (span <= -180)
            span += 360;
        if (pass == 1) {
            for (int k = 0; k < arcs; ++k) {
                const double rk = r + 3 * k;
                p.drawArc(QRectF(v.x() - rk, v.y() - rk, 2 * rk, 2 * rk), qRound(a1 * 16), qRound(span * 16));
            }
        } else {
            const QString text = restAfter(line, 6);
            if (text.isEmpty())
                return;
            const QPointF bis = unit(u1 + u2);
            const QFontMetricsF fm(p.font());
            const double w = fm.horizontalAdvance(text), h = fm.ascent() * 0.9;
            const double reach = r + 3 * std::max(0, arcs - 1) + 2
                                 + std::abs(bis.x()) * w / 2 + std::abs(bis.y()) * h / 2;
            placeText(p, v + bis * reach, QPointF(0, 0), text, 0);
        }
    } else if (cmd == QLatin1String("length")) {
        if (pass != 2)
            return;
        QPointF dir;
        if (t.size() < 5 || !compass(t[3], &dir)) {
            fault(i, QStringLiteral("write 'length P Q WHERE TEXT'"));
            return;
        }
        if (!pointsOf(i, t.mid(1, 2), &pts))
            return;
        placeText(p, (px(pts[0]) + px(pts[1])) / 2, dir, restAfter(line, 4));
    } else if (cmd == QLatin1String("text")) {
        if (pass != 2)
            return;
        QPointF dir;
        double x, y;
        if (t.size() < 5 || !compass(t[3], &dir)) {
            fault(i, QStringLiteral("write 'text X Y WHERE TEXT'"));
            return;
        }
        if (!number(i, t[1], &x) || !number(i, t[2], &y))
            return;
        placeText(p, px({x, y}), dir, restAfter(line, 4), 0);
    } else if (cmd != QLatin1String("point") && cmd != QLatin1String("margin")
               && cmd != QLatin1String("font")) {
        if (pass == 1)
            fault(i, QStringLiteral("unknown command \"%1\"").arg(cmd));
    }
}

QImage Renderer::run()
{
    int ml = DefaultMargin, mt = DefaultMargin, mr = DefaultMargin, mb = DefaultMargin;
    QList<QStringList> toks;
    for (int i = 0; i < f_.commands.size(); ++i) {
        const QStringList t = tokens(f_.commands.at(i));
        toks << t;
        if (t[0] == QLatin1String("point")) {
            definePoint(i, t);
        } else if (t[0] == QLatin1String("margin")) {
            QList<int> m;
            for (const QString &s : t.mid(1))
                m << s.toInt();
            if (m.size() == 1)
                ml = mt = mr = mb = m[0];
            else if (m.size() == 4)
                ml = m[0], mt = m[1], mr = m[2], mb = m[3];
            else
                fault(i, QStringLiteral("write 'margin N' or 'margin LEFT TOP RIGHT BOTTOM'"));
        } else if (t[0] == QLatin1String("font")) {
            bool ok = t.size() == 2;
            const int size = ok ? t[1].toInt(&ok) : 0;
            if (!ok || size < 6 || size > 40)
                fault(i, QStringLiteral("write 'font SIZE' with a pixel size from 6 to 40"));
            else
                fontPx_ = size;
        } else if (t[0] == QLatin1String("polygon") || t[0] == QLatin1String("segment")
                   || t[0] == QLatin1String("fill") || t[0] == QLatin1String("dot")) {
            for (const QString &n : t.mid(1))
                if (points_.contains(n))
                    shown_ << n;
        }
    }
    if (shown_.isEmpty()) {
        if (faults_)
            *faults_ << QStringLiteral("%1:%2: %3: nothing to draw").arg(file_).arg(f_.line).arg(f_.file);
        return {};
    }

    // One scale for both axes keeps the proportions of the description.
    double x0 = 1e300, x1 = -1e300, y0 = 1e300, y1 = -1e300;
    for (const QString &n : std::as_const(shown_)) {
        const QPointF q = points_.value(n);
        x0 = std::min(x0, q.x()), x1 = std::max(x1, q.x());
        y0 = std::min(y0, q.y()), y1 = std::max(y1, q.y());
    }
    const double aw = f_.width - ml - mr, ah = f_.height - mt - mb;
    const double bw = std::max(x1 - x0, 1e-9), bh = std::max(y1 - y0, 1e-9);
    s_ = std::min(aw / bw, ah / bh);
    if (s_ <= 0) {
        if (faults_)
            *faults_ << QStringLiteral("%1:%2: %3: the margins leave no room").arg(file_).arg(f_.line).arg(f_.file);
        return {};
    }
    x0_ = x0, y1_ = y1;
    ox_ = ml + (aw - bw * s_) / 2;
    oy_ = mt + (ah - bh * s_) / 2;

    QImage image(f_.width, f_.height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(fontPx_);
    p.setFont(font);
    for (int pass = 0; pass < 3; ++pass)
        for (int i = 0; i < toks.size(); ++i)
            draw(p, i, toks[i], pass);

    // Point labels go on the side away from the middle of the drawing
    // unless the description says where.
    const QPointF centre = px({(x0 + x1) / 2, (y0 + y1) / 2});
    for (const QString &n : std::as_const(order_)) {
        const QString where = labelAt_.value(n);
        if (where == QLatin1String("-"))
            continue;
        const QPointF at = px(points_.value(n));
        QPointF dir;
        if (!compass(where, &dir)) {
            const QPointF d = at - centre;
            const double ang = std::atan2(d.y(), d.x());
            const int sector = int(std::lround(ang / (M_PI / 4))) & 7;
            static const QPointF around[8] = {{1, 0}, {1, 1}, {0, 1}, {-1, 1}, {-1, 0}, {-1, -1}, {0, -1}, {1, -1}};
            dir = d.isNull() ? QPointF(1, -1) : around[sector];
        }
        placeText(p, at, dir, n, 2);
    }
    p.end();
    return ok_ ? image : QImage();
}

}  // namespace

Description parse(const QString &fileName, const QString &text)
{
    Description d;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        QString line = lines[i];
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        const QString trimmed = line.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith(QLatin1Char('#')))
            continue;
        const QStringList t = tokens(trimmed);
        if (t[0] == QLatin1String("figure")) {
            Figure f;
            f.line = i + 1;
            bool okW = false, okH = false;
            if (t.size() == 4) {
                f.file = t[1];
                f.width = t[2].toInt(&okW);
                f.height = t[3].toInt(&okH);
            }
            if (!okW || !okH || f.width < 1 || f.height < 1 || f.width > 4000 || f.height > 4000) {
                d.faults << QStringLiteral("%1:%2: write 'figure FILE WIDTH HEIGHT'").arg(fileName).arg(i + 1);
                continue;
            }
            if (f.file.contains(QLatin1Char('/')) || f.file.contains(QLatin1Char('\\')) || f.file.startsWith(QLatin1Char('.'))) {
                d.faults << QStringLiteral("%1:%2: give a plain file name").arg(fileName).arg(i + 1);
                continue;
            }
            for (const Figure &other : std::as_const(d.figures))
                if (other.file == f.file)
                    d.faults << QStringLiteral("%1:%2: %3 is described twice").arg(fileName).arg(i + 1).arg(f.file);
            d.figures << f;
        } else if (d.figures.isEmpty()) {
            d.faults << QStringLiteral("%1:%2: a drawing command before the first 'figure'").arg(fileName).arg(i + 1);
        } else {
            d.figures.last().commands << trimmed;
            d.figures.last().lines << i + 1;
        }
    }
    return d;
}

QImage render(const Figure &figure, const QString &fileName, QStringList *faults)
{
    return Renderer(figure, fileName, faults).run();
}

}  // namespace figgen
