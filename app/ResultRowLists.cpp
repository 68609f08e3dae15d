#include "app/ResultRowLists.h"

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
    records = nullptr;
    recordRows = 0;
    std::vector<Row>().swap(rows);
}

int ResultRowLists::Count() const
{
    return static_cast<int>(records ? recordRows : rows.size());
}

void ResultRowLists::Append(const PlayRecords& source, size_t index)
{
    if (!records && rows.empty() && index == 0)
        records = &source;
    if (records == &source && index == recordRows) {
        ++recordRows;
        return;
    }
    Detach();
    rows.push_back(RecordRow(source, index));
}

void ResultRowLists::Append(bool bonusGame, int32_t playNumber, int32_t gamesSinceBonus,
                            int32_t roleCode, int32_t mode, int32_t bonusKind, int32_t medals)
{
    Detach();
    rows.push_back(MakeRow(bonusGame, playNumber, gamesSinceBonus, roleCode, mode, bonusKind, medals));
}

void ResultRowLists::Detach()
{
    if (!records)
        return;
    std::vector<Row> copy;
    copy.reserve(recordRows);
    for (size_t i = 0; i < recordRows; ++i)
        copy.push_back(RecordRow(*records, i));
    rows.swap(copy);
    records = nullptr;
    recordRows = 0;
}

ResultRowLists::Row ResultRowLists::MakeRow(bool bonusGame, int32_t playNumber, int32_t gamesSinceBonus,
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
    return row;
}

ResultRowLists::Row ResultRowLists::RecordRow(const PlayRecords& r, size_t i)
{
    return MakeRow(r.bonusGameCount[i] != 0, r.playNumber[i], r.gamesSinceBonus[i], r.roleCode[i], r.mode[i],
                   r.bonusKind[i], r.medals[i]);
}

ResultRowLists::Row ResultRowLists::RowAt(size_t row) const
{
    return records ? RecordRow(*records, row) : rows[row];
}

QString ResultRowLists::Entry(int list, int row) const
{
    if (row < 0 || row >= Count())
        return QString();
    const Row r = RowAt(static_cast<size_t>(row));
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
