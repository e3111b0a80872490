#include "plane/core/FunctionFacts.h"

#include "plane/core/Coordinate.h"
#include "plane/core/ExtremumScan.h"
#include "plane/core/FactSheet.h"
#include "plane/core/LineText.h"
#include "plane/core/ZeroScan.h"

#include <algorithm>
#include <cmath>

namespace zeto {
namespace {

const double kPi = std::acos(-1.0);

const QString kZeros = QStringLiteral("零点");
const QString kNoZeros = QStringLiteral("无零点");
const QString kIntercept = QStringLiteral("与y轴交点");
const QString kMaxima = QStringLiteral("极大值点");
const QString kMinima = QStringLiteral("极小值点");
const QString kNoTurns = QStringLiteral("无极值点");
const QString kAsymptote = QStringLiteral("渐近线");
const QString kPeriod = QStringLiteral("周期");

class FunctionSheet {
  public:
    explicit FunctionSheet(const GraphShape& graph)
        : graph_(graph), from_(graph.spec().from), to_(graph.spec().to) {}

    bool inDomain(double x) const { return from_ <= x && x <= to_; }
    bool inDomain(const SurdNumber& x) const { return graph_.contains(x, 0); }

    // y = a x² + b x + c, exactly.
    void polynomial(const mpq_class& a, const mpq_class& b, const mpq_class& c) {
        if (a == 0 && b == 0) {
            if (c == 0)
                sheet.add(kZeros, QStringLiteral("无数个"));
            else
                sheet.add(QString(), kNoZeros);
        } else {
            std::vector<PlanePoint> zeros;
            for (const SurdNumber& x : SurdNumber::quadraticRoots(a, b, c))
                if (inDomain(x)) zeros.push_back(FactSheet::exactPoint(x, 0));
            sheet.addPoints(kZeros, zeros, {}, kNoZeros);
        }
        if (inDomain(0.0)) sheet.addPoints(kIntercept, {FactSheet::exactPoint(0, c)});
        if (a == 0) return;
        const mpq_class axis = -b / (2 * a);
        sheet.addPoints(QStringLiteral("顶点"),
                        {FactSheet::exactPoint(axis, mpq_class(c - b * b / (4 * a)))},
                        {QStringLiteral("顶点")});
        sheet.add(QStringLiteral("对称轴"), LineText::vertical(axis));
    }

    // Zeros, y-intercept and turns from the samples.
    void numeric() {
        const GraphShape::Piece& piece = graph_.pieces().front();
        std::vector<double> y;
        y.reserve(piece.p.size());
        for (const QPointF& p : piece.p) y.push_back(p.y());
        const auto f = [this](double x) { return graph_.y(x); };
        const ZeroScan::Result found = ZeroScan::find(piece.t, y, f);
        if (found.everywhere) {
            sheet.add(kZeros, QStringLiteral("无数个"));
        } else {
            std::vector<PlanePoint> zeros;
            for (const ZeroScan::Zero& z : found.zeros)
                zeros.push_back({z.exact ? Coordinate::known(z.t) : Coordinate::approximate(z.t),
                                 Coordinate::known(0)});
            sheet.addPoints(kZeros, zeros, {}, kNoZeros);
        }
        const double atZero = graph_.y(0);
        if (inDomain(0.0) && !std::isnan(atZero))
            intercept(atZero == 0 ? Coordinate::known(0) : Coordinate::approximate(atZero));
        std::vector<PlanePoint> maxima, minima;
        for (const ExtremumScan::Turn& turn : ExtremumScan::find(piece.t, y, f))
            (turn.maximum ? maxima : minima)
                .push_back({Coordinate::approximate(turn.x), Coordinate::approximate(turn.y)});
        turns(maxima, minima);
    }

    void intercept(const Coordinate& y) {
        sheet.addPoints(kIntercept, {{Coordinate::known(0), y}});
    }

    void turns(const std::vector<PlanePoint>& maxima, const std::vector<PlanePoint>& minima) {
        if (maxima.empty() && minima.empty()) sheet.add(QString(), kNoTurns);
        sheet.addPoints(kMaxima, maxima);
        sheet.addPoints(kMinima, minima);
    }

    // The x in the domain where w x + φ = θ + k·period; x = 0 only is exact, for θ + kπ = φ = 0.
    // At most one more than a line shows.
    std::vector<Coordinate> family(double theta, double period, double w, double phi) const {
        const double u1 = w * from_ + phi, u2 = w * to_ + phi;
        const double first = std::ceil((std::min(u1, u2) - theta) / period);
        const double last = std::floor((std::max(u1, u2) - theta) / period);
        std::vector<Coordinate> xs;
        // Counted apart from k: for a huge w, adding 1 to k may not change it.
        std::size_t tries = 0;
        for (double k = first; k <= last && tries <= FactSheet::kPointLimit + 2; ++k, ++tries) {
            const double x = (theta + k * period - phi) / w;
            if (!inDomain(x)) continue;
            const bool exact = theta + k * period == 0 && phi == 0;
            xs.push_back(exact ? Coordinate::known(0) : Coordinate::approximate(x));
        }
        std::sort(xs.begin(), xs.end(),
                  [](const Coordinate& a, const Coordinate& b) { return a.value() < b.value(); });
        return xs;
    }

    std::vector<PlanePoint> pointsAt(const std::vector<Coordinate>& xs, const Coordinate& y) {
        std::vector<PlanePoint> points;
        for (const Coordinate& x : xs) points.push_back({x, y});
        return points;
    }

    // y = A sin(w x + φ) or A cos(w x + φ) with A, w not 0.
    void wave(bool sine) {
        const auto& c = graph_.spec().c;
        const double a = c[0], w = c[1], phi = c[2];
        const double zeroPhase = sine ? 0 : kPi / 2;
        sheet.addPoints(kZeros, pointsAt(family(zeroPhase, kPi, w, phi), Coordinate::known(0)), {},
                        kNoZeros);
        if (inDomain(0.0)) {
            if (phi == 0)
                intercept(sine ? Coordinate::known(0) : Coordinate::exact(SurdNumber::decimal(a)));
            else
                intercept(Coordinate::approximate(graph_.y(0)));
        }
        // The phase of the highest point: π/2 or -π/2 for the sine, 0 or π for the cosine.
        const double top = sine ? (a > 0 ? kPi / 2 : -kPi / 2) : (a > 0 ? 0 : kPi);
        const double bottom = sine ? -top : (a > 0 ? kPi : 0);
        const mpq_class height = abs(SurdNumber::decimal(a));
        turns(pointsAt(family(top, 2 * kPi, w, phi), Coordinate::exact(height)),
              pointsAt(family(bottom, 2 * kPi, w, phi), Coordinate::exact(mpq_class(-height))));
        // 2π/|w| with w the decimal it shows: 2q/p · π for |w| = p/q.
        const mpq_class factor = 2 / abs(SurdNumber::decimal(w));
        const QString times =
            factor.get_num() == 1 ? QString() : QString::fromStdString(factor.get_num().get_str());
        const QString over =
            factor.get_den() == 1
                ? QString()
                : QLatin1Char('/') + QString::fromStdString(factor.get_den().get_str());
        sheet.add(kPeriod, times + QStringLiteral("π") + over);
    }

    // tan x (zeros at kπ) or cot x (zeros at π/2 + kπ).
    void tangent(bool cotangent) {
        sheet.addPoints(kZeros,
                        pointsAt(family(cotangent ? kPi / 2 : 0, kPi, 1, 0), Coordinate::known(0)),
                        {}, kNoZeros);
        if (!cotangent && inDomain(0.0)) intercept(Coordinate::known(0));
        turns({}, {});
        sheet.add(kAsymptote,
                  cotangent ? QStringLiteral("x = kπ") : QStringLiteral("x = π/2 + kπ"));
        sheet.add(kPeriod, QStringLiteral("π"));
    }

    void logarithm() {
        std::vector<PlanePoint> zeros;
        if (inDomain(1.0)) zeros.push_back({Coordinate::known(1), Coordinate::known(0)});
        sheet.addPoints(kZeros, zeros, {}, kNoZeros);
        turns({}, {});
        sheet.add(kAsymptote, LineText::vertical(0));
    }

    void exponential(double base) {
        sheet.add(QString(), kNoZeros);
        if (inDomain(0.0)) intercept(Coordinate::known(1));
        turns({}, {});
        if (base != 1) sheet.add(kAsymptote, LineText::horizontal(0));
    }

    void power(double exponent) {
        const bool origin = exponent > 0 && inDomain(0.0);
        std::vector<PlanePoint> zeros;
        if (origin) zeros.push_back({Coordinate::known(0), Coordinate::known(0)});
        sheet.addPoints(kZeros, zeros, {}, kNoZeros);
        if (exponent >= 0 && inDomain(0.0)) intercept(Coordinate::known(exponent > 0 ? 0 : 1));
        // An even power has its least value at 0, when 0 lies inside the domain.
        const bool even = exponent > 0 && std::fmod(exponent, 2) == 0;
        std::vector<PlanePoint> minima;
        if (even && from_ < 0 && 0 < to_)
            minima.push_back({Coordinate::known(0), Coordinate::known(0)});
        turns({}, minima);
        if (exponent < 0)
            sheet.add(kAsymptote,
                      LineText::vertical(0) + QStringLiteral("、") + LineText::horizontal(0));
    }

    FactSheet sheet;

  private:
    const GraphShape& graph_;
    double from_, to_;
};

}  // namespace

GraphFacts FunctionFacts::of(const GraphShape& graph) {
    FunctionSheet sheet(graph);
    const auto& c = graph.spec().c;
    const mpq_class a = SurdNumber::decimal(c[0]);
    // Coefficients beyond the range of numbers have no decimal to work with.
    if (!std::all_of(c.begin(), c.end(), [](double v) { return std::isfinite(v); })) {
        sheet.numeric();
        return sheet.sheet.facts();
    }
    switch (graph.spec().kind) {
        case GraphKind::Linear:
            sheet.polynomial(0, a, SurdNumber::decimal(c[1]));
            break;
        case GraphKind::Quadratic:
            sheet.polynomial(a, SurdNumber::decimal(c[1]), SurdNumber::decimal(c[2]));
            break;
        case GraphKind::Logarithm:
            if (c[0] > 0 && c[0] != 1)
                sheet.logarithm();
            else
                sheet.numeric();
            break;
        case GraphKind::Exponential:
            if (c[0] > 0)
                sheet.exponential(c[0]);
            else
                sheet.numeric();
            break;
        case GraphKind::Power:
            sheet.power(c[0]);
            break;
        case GraphKind::Sine:
        case GraphKind::Cosine:
            if (c[0] != 0 && c[1] != 0)
                sheet.wave(graph.spec().kind == GraphKind::Sine);
            else
                sheet.numeric();
            break;
        case GraphKind::Tangent:
        case GraphKind::Cotangent:
            sheet.tangent(graph.spec().kind == GraphKind::Cotangent);
            break;
        default:
            sheet.numeric();
            break;
    }
    return sheet.sheet.facts();
}

}  // namespace zeto
