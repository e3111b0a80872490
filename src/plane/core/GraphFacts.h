#pragma once

#include <QPointF>
#include <QString>

#include <vector>

namespace zeto {

// One line of a graph's facts, shown as name + "：" + value; a line without a name (such as
// "无零点") shows its value alone.
struct FactLine {
    QString name;
    QString value;

    QString shown() const { return name.isEmpty() ? value : name + QStringLiteral("：") + value; }
};

// A point to mark on the plane: where it is, its text form and its label ("F1", "F2" for
// foci, "顶点" for the vertex of a quadratic or a parabola, empty otherwise).
struct MarkedPoint {
    QPointF at;
    QString text;
    QString label;
};

struct GraphFacts {
    std::vector<FactLine> lines;
    std::vector<MarkedPoint> marks;
};

}  // namespace zeto
