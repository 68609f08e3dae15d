// The count tables and the summary of a results display.
#include "app/ResultCounts.h"

#include "model/Slot.h"
#include "platform/SysUtils.h"

namespace {

// Caption, count, rate and 1/X of one row of the role and mode tables. A play count of 0
// shows rate "0" instead of dividing by it.
QStringList RateRow(const QString& caption, int32_t count, int32_t playCount)
{
    const QString rate = playCount == 0 ? QStringLiteral("0")
                                        : FloatToStr(static_cast<double>(count) / playCount);
    const QString inverse = count == 0
        ? QStringLiteral("0")
        : QStringLiteral("1/") + FloatToStr(static_cast<double>(playCount) / count);
    return {caption, IntToStr(count), rate, inverse};
}

} // namespace

QList<QStringList> ResultTally::KoyakuRows() const
{
    static constexpr int32_t order[] = {1, 2, 3, 0, 4, 6, 7, 5};
    const int32_t p = PlayCount();
    QList<QStringList> rows;
    for (int32_t role : order)
        rows.append(RateRow(RoleLabel(role), roleCounts[role], p));
    return rows;
}

QList<QStringList> ResultTally::ModeStayRows() const
{
    const int32_t p = PlayCount();
    QList<QStringList> rows;
    for (int32_t mode = 0; mode <= 4; ++mode)
        rows.append(RateRow(ModeLabel(mode), modeCounts[mode], p));
    return rows;
}

QList<QStringList> ResultTally::NBZMRows() const
{
    const QString captions[3] = {QStringLiteral("チェリー"), QStringLiteral("らくだ"),
                                 QStringLiteral("チャンス目")};
    QList<QStringList> rows;
    for (int group = 0; group < 3; ++group) {
        QStringList row{captions[group]};
        for (int32_t result = 0; result < 4; ++result)
            row.append(IntToStr(releaseCounts[group][result]));
        rows.append(row);
    }
    return rows;
}

QList<QStringList> ResultTally::BModeChangeRows() const
{
    struct Entry {
        const char16_t* caption;
        int32_t role;
    };
    static constexpr Entry entries[] = {
        {u"月８連", 17}, {u"レアJACIN", 11}, {u"レアチェリー", 12},
        {u"単チェリー", 2}, {u"JACハズレ", 16}, {u"純ハズレ", 13},
    };
    QList<QStringList> rows;
    for (const Entry& e : entries)
        rows.append({QString::fromUtf16(e.caption), IntToStr(bonusRoleCounts[e.role])});
    return rows;
}

QString ResultTally::SummaryText() const
{
    return ::SummaryText(roleCounts[RoleBig], roleCounts[RoleReg], bigFirstHits, PlayCount(),
                         FinalMedals());
}

QString SummaryText(int32_t big, int32_t reg, int32_t bigFirstHits, int32_t playCount,
                    int32_t medals)
{
    // Figures as the machine's counters hold them: single precision, whole 1/x quotients.
    const float bigFigure = big == 0 ? 0.0f : static_cast<float>(playCount / big);
    const float regFigure = reg == 0 ? 0.0f : static_cast<float>(playCount / reg);
    const float bet = static_cast<float>(int64_t(playCount) * 3);
    const float balance = static_cast<float>(medals);
    const double yen = static_cast<double>(static_cast<long double>(balance) * 20);
    // Without a single bet there is no payout to speak of: 0 rather than a division by 0.
    const double ratio = bet == 0.0f
        ? 0.0
        : static_cast<double>((static_cast<long double>(balance) + bet) / bet * 100);

    QString text;
    text += QStringLiteral("BIG回数:") + IntToStr(big) + QChar(0x3000)
        + QStringLiteral("REG回数:") + IntToStr(reg) + QLatin1Char('\n');
    text += QStringLiteral("BIG初当り回数:") + IntToStr(bigFirstHits) + QLatin1Char('\n');
    text += QStringLiteral("BIG確率:1/") + FloatToStr(bigFigure) + QStringLiteral("  ")
        + QStringLiteral("REG確率:1/") + FloatToStr(regFigure) + QLatin1Char('\n');
    text += QStringLiteral("収支:") + FloatToStr(yen) + QStringLiteral("円  ")
        + QStringLiteral("機械割：") + FloatToStr(ratio) + QLatin1Char('%');
    return text;
}
