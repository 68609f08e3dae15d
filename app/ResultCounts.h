#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <cstddef>
#include <cstdint>

#include "app/ResultLabels.h"
#include "model/PlayRecords.h"

class ResultRowLists;

// What the window does with one record of the row pass, besides the play-by-play row.
struct BonusRowOpening {
    QString caption;         // play number
    QString gamesSinceBonus; // "PLAY数2"
    QString role;            // "確定役": "777" or "REG"
};
struct BonusRowClosing {
    QString endMode;     // "終了移行"
    QString gainedMedals; // "獲得メダル"
};
struct ModeChangeRow {
    QString caption;         // "PLAY数1"
    QString gamesSinceBonus; // "PLAY数2"
    QString role;            // "確定役"
    QString newMode;         // "移行モード"
};
// A step's texts are meaningful only where its flag is set.
struct RecordStep {
    bool addMarker = false;     // a role with a marker point on the charts
    bool closeBonusRow = false; // append `close` to the open bonus row, then scroll 10 down
    BonusRowClosing close;
    bool openBonusRow = false;  // add a bonus row; it becomes the open row
    BonusRowOpening open;
    bool addModeChange = false; // add a row to the mode-change list
    ModeChangeRow modeChange;
};

// The counting and row passes of one results display. The window drives it record by record
// so that it can process its messages and move the progress bar in between:
//     ResultTally tally(records);
//     rows.clear();
//     tally.CountAll();
//     for (size_t i = 0; i < tally.RecordCount(); ++i) { RecordStep s = tally.Step(i, rows); ... }
// then reads the tables and the summary. Steps must run in order 0, 1, 2, ...
// The tally reads the records through a reference: they must outlive it and stay unchanged.
class ResultTally {
public:
    enum ReleaseGroup { CherryGroup = 0, CamelGroup = 1, ChanceGroup = 2 };

    explicit ResultTally(const PlayRecords& records);

    // Back to the state before the first step: all counters 0, no open bonus row.
    void Reset();

    size_t RecordCount() const { return records.size(); }
    // P: the play number of the last record, 0 without records.
    int32_t PlayCount() const;
    // Medal balance of the last record, 0 without records.
    int32_t FinalMedals() const;

    // Counting pass.
    void Count(size_t i);
    void CountAll();

    // Row pass for record i: appends its row to `rows` and says what else to add.
    RecordStep Step(size_t i, ResultRowLists& rows);
    // The same into `step`, whose texts are kept where no flag asks for new ones, so that a
    // long pass builds no texts for the many records that add nothing but their row.
    void Step(size_t i, ResultRowLists& rows, RecordStep& step);

    // Progress bar position after record i: (i + 1) / P × 100 truncated (may pass 100);
    // 100 when P is 0.
    int ProgressPosition(size_t i) const;

    // Counters (0 for codes out of range).
    int32_t RoleCount(int32_t roleCode) const;          // normal games, codes 0-9
    int32_t ModeCount(int32_t mode) const;              // normal games, modes 0-4
    int32_t ReleaseCount(ReleaseGroup group, int32_t releaseResult) const; // results 1-4
    int32_t BonusGameRoleCount(int32_t roleCode) const; // codes 17, 11, 12, 2, 16, 13
    // Records of either kind with this role code (0 for codes out of 0-17): the points that
    // the markers and bars will get.
    int32_t AnyGameRoleCount(int32_t roleCode) const;
    int32_t NormalGameCount() const { return normalGames; }
    // BIGs that begin a chain: the run's first bonus, or one won after the machine was
    // back in 通常 (the bonus before ended into 通常, or a later normal game was in 通常).
    int32_t BigFirstHits() const { return bigFirstHits; }

    // The count tables, one QStringList per row: caption first, then the sub-items.
    QList<QStringList> KoyakuRows() const;         // 8 rows: count, rate, 1/X
    QList<QStringList> ModeStayRows() const;       // 5 rows: count, rate, 1/X
    QList<QStringList> NBZMRows() const;           // 3 rows: the four release counts
    QList<QStringList> BModeChangeRows() const;    // 6 rows: count

    // The text of the summary label.
    QString SummaryText() const;

private:
    const PlayRecords& records;
    int32_t roleCounts[10] = {};
    int32_t modeCounts[5] = {};
    int32_t releaseCounts[3][4] = {};
    int32_t bonusRoleCounts[18] = {};
    int32_t anyGameRoleCounts[18] = {};
    int32_t normalGames = 0;
    int32_t bigFirstHits = 0;
    bool rowOpen = false;
    size_t openIndex = 0;
    bool inChain = false;
};

// The summary label's text from its figures (see ResultTally::SummaryText).
QString SummaryText(int32_t big, int32_t reg, int32_t bigFirstHits, int32_t playCount,
                    int32_t medals);
