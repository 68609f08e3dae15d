#include "app/ResultRowLists.h"

#include "app/RecordMemory.h"
#include "app/ResultLabels.h"
#include "platform/SysUtils.h"

QString ResultRowLists::ListCaption(int list)
{
    switch (list) {
    case 0: return QStringLiteral("PLAY数");
    case 1: return QStringLiteral("PLAY数2");
    case 2: return QStringLiteral("確定役");
    case 3: return QStringLiteral("モード");
    case 4: return QStringLiteral("メダル数");
    case 5: return QStringLiteral("備考");
    default: return QString();
    }
}

void ResultRowLists::clear()
{
    rows.clear();
}

void ResultRowLists::reserve(size_t count)
{
    // Room kept from a far larger run is given back first.
    if (HasSpareCapacity(rows, std::max(count, rows.size())))
        rows.shrink_to_fit();
    rows.reserve(count);
}

void ResultRowLists::Append(const PlayRecords& records, size_t index)
{
    Append(records.bonusGameCount[index] != 0, records.playNumber[index],
           records.gamesSinceBonus[index], records.roleCode[index], records.mode[index],
           records.bonusKind[index], records.medals[index]);
}

void ResultRowLists::Append(bool bonusGame, int32_t playNumber, int32_t gamesSinceBonus,
                            int32_t roleCode, int32_t mode, int32_t bonusKind, int32_t medals)
{
    Row row;
    row.playNumber = playNumber;
    row.gamesSinceBonus = gamesSinceBonus;
    row.medals = medals;
    // Codes without a label collapse to -1 so that a row stays a few bytes.
    row.role = roleCode >= 0 && roleCode <= 17 ? static_cast<int8_t>(roleCode) : int8_t(-1);
    if (bonusKind == 1)
        row.modeText = BigMark;
    else if (bonusKind == 2)
        row.modeText = RegMark;
    else
        row.modeText = mode >= 0 && mode <= 5 ? static_cast<int8_t>(mode) : int8_t(-1);
    row.bonusGame = bonusGame ? 1 : 0;
    rows.push_back(row);
}

QString ResultRowLists::Entry(int list, int row) const
{
    if (row < 0 || static_cast<size_t>(row) >= rows.size())
        return QString();
    const Row& r = rows[static_cast<size_t>(row)];
    switch (list) {
    case 0:
        return r.bonusGame ? QStringLiteral("-") : IntToStr(r.playNumber);
    case 1:
        return r.bonusGame ? QStringLiteral("-") : IntToStr(r.gamesSinceBonus);
    case 2:
        return RoleLabel(r.role);
    case 3:
        if (r.modeText == BigMark)
            return QStringLiteral("BIG!");
        if (r.modeText == RegMark)
            return QStringLiteral("REG!");
        return ModeLabel(r.modeText);
    case 4:
        return IntToStr(r.medals);
    default:
        return QString();
    }
}
