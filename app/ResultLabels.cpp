#include "app/ResultLabels.h"

QString RoleLabel(int32_t roleCode)
{
    switch (roleCode) {
    case 0: return QStringLiteral("リプレイ");
    case 1: return QStringLiteral("3連チェリー");
    case 2: return QStringLiteral("単チェリー");
    case 3: return QStringLiteral("ラクダ");
    case 4: return QStringLiteral("月");
    case 5: return QStringLiteral("チャンス目");
    case 6: return QStringLiteral("強ハズレA");
    case 7: return QStringLiteral("強ハズレB");
    case 8: return QStringLiteral("777");
    case 9: return QStringLiteral("REG");
    case 10: return QStringLiteral("JACIN");
    case 11: return QStringLiteral("レアJACIN");
    case 12: return QStringLiteral("レアチェリー");
    case 13: return QStringLiteral("純ハズレ");
    case 14: return QStringLiteral("JAC(リプレイ)");
    case 15: return QStringLiteral("JAC(月)");
    case 16: return QStringLiteral("JACハズレ");
    case 17: return QStringLiteral("JAC(月)"); // the eighth moon reads like any other
    default: return QString();
    }
}

QString ModeLabel(int32_t mode)
{
    switch (mode) {
    case 0: return QStringLiteral("通常");
    case 1: return QStringLiteral("高確S");
    case 2: return QStringLiteral("高確L");
    case 3: return QStringLiteral("高確SL");
    case 4: return QStringLiteral("前兆");
    case 5: return QStringLiteral("BONUS");
    default: return QString();
    }
}
