#pragma once

#include <QString>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "model/PlayRecords.h"

// The seven text lists of the play-by-play list: list 0 the caption "PLAY数", lists 1-5 the
// sub-items "PLAY数2", "確定役", "モード", "メダル数", "備考", list 6 always empty.
// A row keeps only a few numbers and label codes; its texts are built when asked for, so a
// million-play run costs some 16 MB instead of millions of small strings.
class ResultRowLists {
public:
    static constexpr int ListCount = 7;

    // Column header of list `list` ("PLAY数" ... "備考", empty for list 6 and others).
    static QString ListCaption(int list);

    void clear();
    // Room for `rows` rows; room far beyond it, kept from a larger run, is given back.
    void reserve(size_t rows);
    int Count() const { return static_cast<int>(rows.size()); }
    size_t Capacity() const { return rows.capacity(); }

    // Appends the row of record `index`.
    void Append(const PlayRecords& records, size_t index);
    // Appends a row from its values (the columns 9, 2, 0, 6, 3, 4 and 1 of a record).
    void Append(bool bonusGame, int32_t playNumber, int32_t gamesSinceBonus, int32_t roleCode,
                int32_t mode, int32_t bonusKind, int32_t medals);

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

    std::vector<Row> rows;
};
