#pragma once
// Expected catalogue data written out literally from the layout, so that the tests do not
// check the catalogue against itself.

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "model/bets.hpp"

namespace brisvale::expected {

// All 150 labels in bet-table order.
inline constexpr std::array<std::string_view, 150> kLabels{
    "1st 12",
    "2nd 12",
    "3rd 12",
    "Row 1",
    "Row 2",
    "Row 3",
    "Line 06/03",
    "Line 09/06",
    "Line 12/09",
    "Line 15/12",
    "Line 18/15",
    "Line 21/18",
    "Line 24/21",
    "Line 27/24",
    "Line 30/27",
    "Line 33/30",
    "Line 36/33",
    "Corner 04/01/05/02",
    "Corner 05/02/06/03",
    "Corner 07/04/08/05",
    "Corner 08/05/09/06",
    "Corner 10/07/11/08",
    "Corner 11/08/12/09",
    "Corner 13/10/14/11",
    "Corner 14/11/15/12",
    "Corner 16/13/17/14",
    "Corner 17/14/18/15",
    "Corner 19/16/20/17",
    "Corner 20/17/21/18",
    "Corner 22/19/23/20",
    "Corner 23/20/24/21",
    "Corner 25/22/26/23",
    "Corner 26/23/27/24",
    "Corner 28/25/29/26",
    "Corner 29/26/30/27",
    "Corner 31/28/32/29",
    "Corner 32/29/33/30",
    "Corner 34/31/35/32",
    "Corner 35/32/36/33",
    "Trio 01/02/03",
    "Trio 04/05/06",
    "Trio 07/08/09",
    "Trio 10/11/12",
    "Trio 13/14/15",
    "Trio 16/17/18",
    "Trio 19/20/21",
    "Trio 22/23/24",
    "Trio 25/26/27",
    "Trio 28/29/30",
    "Trio 31/32/33",
    "Trio 34/35/36",
    "Split 01/02",
    "Split 33/30",
    "Split 02/03",
    "Split 04/01",
    "Split 07/04",
    "Split 10/07",
    "Split 13/10",
    "Split 04/05",
    "Split 05/06",
    "Split 16/13",
    "Split 19/16",
    "Split 22/19",
    "Split 17/18",
    "Split 19/20",
    "Split 20/21",
    "Split 25/22",
    "Split 28/25",
    "Split 31/28",
    "Split 34/31",
    "Split 05/02",
    "Split 08/05",
    "Split 11/08",
    "Split 14/11",
    "Split 17/14",
    "Split 14/15",
    "Split 16/17",
    "Split 22/23",
    "Split 20/17",
    "Split 23/20",
    "Split 26/23",
    "Split 29/26",
    "Split 32/29",
    "Split 35/32",
    "Split 06/03",
    "Split 09/06",
    "Split 12/09",
    "Split 15/12",
    "Split 18/15",
    "Split 21/18",
    "Split 24/21",
    "Split 27/24",
    "Split 30/27",
    "Split 36/33",
    "Split 07/08",
    "Split 08/09",
    "Split 10/11",
    "Split 11/12",
    "Split 13/14",
    "Split 23/24",
    "Split 25/26",
    "Split 26/27",
    "Split 28/29",
    "Split 29/30",
    "Split 31/32",
    "Split 32/33",
    "Split 34/35",
    "Split 35/36",
    "Black",
    "Red",
    "Odd",
    "Even",
    "01 to 18",
    "19 to 36",
    "Single 01",
    "Single 02",
    "Single 03",
    "Single 04",
    "Single 05",
    "Single 06",
    "Single 07",
    "Single 08",
    "Single 09",
    "Single 10",
    "Single 11",
    "Single 12",
    "Single 13",
    "Single 14",
    "Single 15",
    "Single 16",
    "Single 17",
    "Single 18",
    "Single 19",
    "Single 20",
    "Single 21",
    "Single 22",
    "Single 23",
    "Single 24",
    "Single 25",
    "Single 26",
    "Single 27",
    "Single 28",
    "Single 29",
    "Single 30",
    "Single 31",
    "Single 32",
    "Single 33",
    "Single 34",
    "Single 35",
    "Single 36",
};

// Splits, column splits by column and then row splits ascending.
inline constexpr std::array<std::string_view, 57> kNaturalSplits{
    "Split 04/01", "Split 07/04", "Split 10/07", "Split 13/10", "Split 16/13", "Split 19/16",
    "Split 22/19", "Split 25/22", "Split 28/25", "Split 31/28", "Split 34/31", "Split 05/02",
    "Split 08/05", "Split 11/08", "Split 14/11", "Split 17/14", "Split 20/17", "Split 23/20",
    "Split 26/23", "Split 29/26", "Split 32/29", "Split 35/32", "Split 06/03", "Split 09/06",
    "Split 12/09", "Split 15/12", "Split 18/15", "Split 21/18", "Split 24/21", "Split 27/24",
    "Split 30/27", "Split 33/30", "Split 36/33", "Split 01/02", "Split 02/03", "Split 04/05",
    "Split 05/06", "Split 07/08", "Split 08/09", "Split 10/11", "Split 11/12", "Split 13/14",
    "Split 14/15", "Split 16/17", "Split 17/18", "Split 19/20", "Split 20/21", "Split 22/23",
    "Split 23/24", "Split 25/26", "Split 26/27", "Split 28/29", "Split 29/30", "Split 31/32",
    "Split 32/33", "Split 34/35", "Split 35/36",
};

inline constexpr std::array<int, 18> kRed{1,  3,  5,  7,  9,  12, 14, 16, 18,
                                          19, 21, 23, 25, 27, 30, 32, 34, 36};
inline constexpr std::array<int, 18> kBlack{2,  4,  6,  8,  10, 11, 13, 15, 17,
                                            20, 22, 24, 26, 28, 29, 31, 33, 35};

// Labels [first, first + count) of kLabels.
inline std::vector<std::string_view> labelRange(std::size_t first, std::size_t count) {
    return {kLabels.begin() + first, kLabels.begin() + first + count};
}

// The labels of an order of ids, for comparison with literal lists.
inline std::vector<std::string_view> labelsOf(std::span<const BetId> ids) {
    std::vector<std::string_view> out;
    for (BetId id : ids) out.push_back(label(id));
    return out;
}

inline std::vector<int> range(int first, int last, int step = 1) {
    std::vector<int> out;
    for (int n = first; n <= last; n += step) out.push_back(n);
    return out;
}

}  // namespace brisvale::expected
