#include "functions/core/FunctionCatalogue.h"

namespace zeto {

const std::array<FunctionKind, 10>& FunctionCatalogue::kinds() {
    static const std::array<FunctionKind, 10> table = {{
        {QStringLiteral("一次函数"),
         1,
         QStringLiteral("Y=KX+B"),
         {true, true, false},
         {QStringLiteral("K="), QStringLiteral("B="), QString()},
         false,
         false},
        {QStringLiteral("二次函数"),
         2,
         QStringLiteral("Y=AX^2+BY+C"),
         {true, true, true},
         {QStringLiteral("A="), QStringLiteral("B="), QStringLiteral("C=")},
         false,
         false},
        {QStringLiteral("对数函数"),
         3,
         QStringLiteral("Y=LOG(a)X"),
         {true, false, false},
         {QStringLiteral("a="), QString(), QString()},
         true,
         false},
        {QStringLiteral("指数函数"),
         4,
         QStringLiteral("Y=a^X"),
         {true, false, false},
         {QStringLiteral("a="), QString(), QString()},
         false,
         false},
        {QStringLiteral("幂函数"),
         5,
         QStringLiteral("Y=X^a"),
         {true, false, false},
         {QStringLiteral("a="), QString(), QString()},
         false,
         false},
        {QStringLiteral("正弦函数"),
         6,
         QStringLiteral("Y=Asin(wX+$)"),
         {true, true, true},
         {QStringLiteral("A="), QStringLiteral("w="), QStringLiteral("$=")},
         false,
         false},
        {QStringLiteral("余弦函数"),
         7,
         QStringLiteral("Y=Acos(wX+$)"),
         {true, true, true},
         {QStringLiteral("A="), QStringLiteral("w="), QStringLiteral("$=")},
         false,
         false},
        {QStringLiteral("正切函数"),
         8,
         QStringLiteral("Y=tg(X)"),
         {false, false, false},
         {QString(), QString(), QString()},
         false,
         false},
        {QStringLiteral("余切函数"),
         9,
         QStringLiteral("Y=ctg(X)"),
         {false, false, false},
         {QString(), QString(), QString()},
         false,
         false},
        {QStringLiteral("自定义函数"),
         10,
         QStringLiteral("Y="),
         {false, false, false},
         {QString(), QString(), QString()},
         false,
         true},
    }};
    return table;
}

std::optional<FunctionKind> FunctionCatalogue::find(const QString& item) {
    for (const FunctionKind& kind : kinds())
        if (kind.item == item) return kind;
    return std::nullopt;
}

}  // namespace zeto
