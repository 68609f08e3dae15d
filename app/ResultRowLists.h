#pragma once

#include <QString>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "model/PlayRecords.h"

// The seven text lists of the play-by-play list: list 0 the caption "PLAY数", lists 1-5 the
// sub-items "PLAY数2", "確定役", "モード", "メダル数", "備考", list 6 always empty.
// Texts are built when asked for. The rows of one run's records, appended in order from the
// first, are not copied at all: the lists read them from the records, which must then stay
// unchanged until Detach or clear. Rows from anywhere else are kept as a few numbers and
// label codes each.
class ResultRowLists {
public:
    static constexpr int ListCount = 7;

    // Column header of list `list` ("PLAY数" ... "備考", empty for list 6 and others).
    static QString ListCaption(int list);

    // Empties the lists and gives back their room.
    void clear();
    int Count() const;
    // Rows held as copies of their own (none while the lists read the records themselves).
    size_t Capacity() const { return rows.capacity(); }

    // Appends the row of record `index`.
    void Append(const PlayRecords& records, size_t index);
    // Appends a row from its values (the columns 9, 2, 0, 6, 3, 4 and 1 of a record).
    void Append(bool bonusGame, int32_t playNumber, int32_t gamesSinceBonus, int32_t roleCode,
                int32_t mode, int32_t bonusKind, int32_t medals);
    // The records that the lists read are about to change: their rows are copied first.
    void Detach();

    // Text of list `list` (0-6) at row `row`; empty for any index out of range.
    QString Entry(int list, int row) const;

private:
    struct Row {
        int32_t playNumber;
        int32_t gamesSinceBonus;
        int32_t medals;
        int8_t role;      // role code 0-17, -1 for a code without a label
        int8_t modeText;  // mode 0-5, BigMark, RegMark, or -1 for the empty text
        uint8_t bonusGame;
    };
    static constexpr int8_t BigMark = 6;
    static constexpr int8_t RegMark = 7;

    static Row MakeRow(bool bonusGame, int32_t playNumber, int32_t gamesSinceBonus, int32_t roleCode,
                       int32_t mode, int32_t bonusKind, int32_t medals);
    static Row RecordRow(const PlayRecords& records, size_t index);
    Row RowAt(size_t row) const;

    // The records read in place, and how many of their rows the lists hold.
    const PlayRecords* records = nullptr;
    size_t recordRows = 0;
    std::vector<Row> rows;
};
