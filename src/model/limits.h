#pragma once
// Fixed limits of the project's index space. Cells and frame times are
// addressed with the pattern grid's own row and column numbers, header rows
// and columns included, so channel c is row c + kFirstChannelRow and frame f
// is column f + kFirstFrameColumn.

namespace hl {

inline constexpr int kZoneSlots = 10;          // zones 0..9, shown as 1..10
inline constexpr int kStoreRows = 1030;        // grid rows 0..1029 per zone
inline constexpr int kStoreColumns = 20500;    // grid columns 0..20499 per zone
inline constexpr int kMaxFrameColumns = 20003; // grid columns incl. the two header columns
inline constexpr int kMaxLampCount = 1024;
inline constexpr int kDefaultTimeCount = 5;    // default times per zone

inline constexpr int kFirstChannelRow = 3;     // rows 0..2: frame number, time value, time unit
inline constexpr int kFirstFrameColumn = 2;    // columns 0..1: row captions, spacer

}  // namespace hl
