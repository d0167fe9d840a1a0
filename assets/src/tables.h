// The table backgrounds: pictures stretched under the cards over the whole table.
#pragma once

#include <QImage>
#include <QString>

#include <vector>

namespace tavolora::art {

// Large enough for the widest window the table allows (2184 pixels) without a
// visible blur.
inline constexpr int kTableWidth = 2184;
inline constexpr int kTableHeight = 1638;

struct TableDesign {
    QString stem;  // the file's name without ".jpg", which the options list shows
    QImage (*render)();
};

// In name order. A new user gets the third (the options file's default).
std::vector<TableDesign> tableDesigns();

}  // namespace tavolora::art
