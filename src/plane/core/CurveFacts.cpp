#include "plane/core/CurveFacts.h"

#include "plane/core/Coordinate.h"
#include "plane/core/FactSheet.h"
#include "plane/core/LineText.h"

#include <QStringList>

#include <cmath>

namespace zeto {
namespace {

using Number = SurdNumber;

QString text(const Number& v) {
    return Coordinate::exact(v).text();
}

PlanePoint point(const Number& x, const Number& y) {
    return FactSheet::exactPoint(x, y);
}

QString joined(const QStringList& texts) {
    return texts.join(QStringLiteral("、"));
}

const std::vector<QString> kFociLabels = {QStringLiteral("F1"), QStringLiteral("F2")};

void lineFacts(FactSheet& sheet, const mpq_class& a, const mpq_class& b, const mpq_class& c) {
    sheet.add(QStringLiteral("斜率"), b != 0 ? text(mpq_class(-a / b)) : QStringLiteral("不存在"));
    // An axis the line runs along is met everywhere, one it runs beside nowhere.
    const QString along = QStringLiteral("重合"), beside = QStringLiteral("无");
    if (a != 0)
        sheet.addPoints(QStringLiteral("与x轴交点"), {point(mpq_class(-c / a), 0)});
    else
        sheet.add(QStringLiteral("与x轴交点"), c == 0 ? along : beside);
    if (b != 0)
        sheet.addPoints(QStringLiteral("与y轴交点"), {point(0, mpq_class(-c / b))});
    else
        sheet.add(QStringLiteral("与y轴交点"), c == 0 ? along : beside);
}

void circleFacts(FactSheet& sheet, const mpq_class& a, const mpq_class& b, const mpq_class& r) {
    sheet.addPoints(QStringLiteral("圆心"), {point(mpq_class(-a), mpq_class(-b))});
    sheet.add(QStringLiteral("半径"), text(mpq_class(abs(r))));
}

// Points on the x axis at ±v (or the y axis), ascending.
std::vector<PlanePoint> pair(const Number& v, bool onX) {
    if (onX) return {point(-v, 0), point(v, 0)};
    return {point(0, -v), point(0, v)};
}

QString directrices(const Number& d, bool upright) {
    if (upright) return joined({LineText::vertical(-d), LineText::vertical(d)});
    return joined({LineText::horizontal(-d), LineText::horizontal(d)});
}

// (x/a)² + (y/b)² = 1 with semi-axes a, b > 0: the foci lie on the longer axis.
void ellipseFacts(FactSheet& sheet, const mpq_class& a, const mpq_class& b) {
    const bool wide = a >= b;
    const mpq_class major = wide ? a : b, minor = wide ? b : a;
    std::vector<PlanePoint> vertices = pair(major, wide);
    for (const PlanePoint& p : pair(minor, !wide)) vertices.push_back(p);
    sheet.addPoints(QStringLiteral("顶点"), vertices);
    if (major == minor) {
        const QString circle = QStringLiteral("无（a = b，图形是圆）");
        sheet.add(QStringLiteral("焦点"), circle);
        sheet.add(QStringLiteral("离心率"), QStringLiteral("0"));
        sheet.add(QStringLiteral("准线"), circle);
    } else {
        const Number c = Number::squareRoot(major * major - minor * minor);
        sheet.addPoints(QStringLiteral("焦点"), pair(c, wide), kFociLabels);
        sheet.add(QStringLiteral("离心率"), text(c / Number(major)));
        sheet.add(QStringLiteral("准线"), directrices(Number(mpq_class(major * major)) / c, wide));
    }
    sheet.add(QStringLiteral("长轴长"), text(mpq_class(2 * major)));
    sheet.add(QStringLiteral("短轴长"), text(mpq_class(2 * minor)));
    sheet.add(QStringLiteral("通径"), text(mpq_class(2 * minor * minor / major)));
}

// A hyperbola with real semi-axis a along the x axis (`wide`) or the y axis, imaginary
// semi-axis b.
void hyperbolaFacts(FactSheet& sheet, const mpq_class& a, const mpq_class& b, bool wide) {
    const Number c = Number::squareRoot(a * a + b * b);
    sheet.addPoints(QStringLiteral("顶点"), pair(a, wide));
    sheet.addPoints(QStringLiteral("焦点"), pair(c, wide), kFociLabels);
    sheet.add(QStringLiteral("离心率"), text(c / Number(a)));
    sheet.add(QStringLiteral("准线"), directrices(Number(mpq_class(a * a)) / c, wide));
    const Number slope = wide ? mpq_class(b / a) : mpq_class(a / b);
    sheet.add(QStringLiteral("渐近线"),
              joined({LineText::throughOrigin(slope), LineText::throughOrigin(-slope)}));
    sheet.add(QStringLiteral("实轴长"), text(mpq_class(2 * a)));
    sheet.add(QStringLiteral("虚轴长"), text(mpq_class(2 * b)));
}

// y² = 2px (`wide`) or x² = 2py.
void parabolaFacts(FactSheet& sheet, const mpq_class& p, bool wide) {
    const mpq_class half = p / 2;
    sheet.addPoints(QStringLiteral("顶点"), {point(0, 0)}, {QStringLiteral("顶点")});
    sheet.addPoints(QStringLiteral("焦点"), {wide ? point(half, 0) : point(0, half)},
                    {QStringLiteral("F")});
    sheet.add(QStringLiteral("准线"),
              wide ? LineText::vertical(mpq_class(-half)) : LineText::horizontal(mpq_class(-half)));
    sheet.add(QStringLiteral("通径"), text(mpq_class(2 * abs(p))));
}

}  // namespace

GraphFacts CurveFacts::of(const GraphSpec& graph) {
    FactSheet sheet;
    for (double v : graph.c)
        if (!std::isfinite(v)) return {};
    const mpq_class a = SurdNumber::decimal(graph.c[0]);
    const mpq_class b = SurdNumber::decimal(graph.c[1]);
    const mpq_class c = SurdNumber::decimal(graph.c[2]);
    switch (graph.kind) {
        case GraphKind::Line:
            if (a != 0 || b != 0) lineFacts(sheet, a, b, c);
            break;
        case GraphKind::Circle:
            circleFacts(sheet, a, b, c);
            break;
        case GraphKind::Ellipse:
            if (a != 0 && b != 0) ellipseFacts(sheet, abs(a), abs(b));
            break;
        case GraphKind::Hyperbola1:
        case GraphKind::Hyperbola2:
            if (a != 0 && b != 0)
                hyperbolaFacts(sheet, abs(a), abs(b), graph.kind == GraphKind::Hyperbola1);
            break;
        case GraphKind::Parabola1:
        case GraphKind::Parabola2:
            if (a != 0) parabolaFacts(sheet, a, graph.kind == GraphKind::Parabola1);
            break;
        default:
            break;
    }
    return sheet.facts();
}

}  // namespace zeto
