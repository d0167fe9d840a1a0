#include "table/table_positions.h"

#include <cstdint>
#include <utility>

#include "core/games.h"

namespace tavolora::table {

void Imposta_Posizioni_Tavolo(AnimationState& anim, int game) {
    const std::int16_t top[] = {-10, 0, 50, 300, 2000};
    const std::int16_t left[] = {5, 200, 0, 0, 2000};
    for (int k = 1; k <= 5; ++k) {
        anim.Passo_Top(k) = top[k - 1];
        anim.Passo_Left(k) = left[k - 1];
    }
    // Camicia lays two piles, the other games a deck, hands and piles: each names the
    // points of its own table, as (Top, Left) elements of Coordinate_Tavolo.
    if (game == games::kCamicia) {
        const std::pair<int, std::int16_t> camicia[] = {{1, 4000}, {2, 1000}, {3, 7000},  {4, 5000},
                                                        {5, 1000}, {6, 5000}, {21, 4000}, {22, 5000}};
        for (const auto& [element, value] : camicia) anim.Coordinate_Tavolo(element) = value;
    } else if (game == games::kBriscola || game == games::kScopa || game == games::kTresette ||
               game == games::kDeckOnly) {
        const std::pair<int, std::int16_t> others[] = {{1, 600},  {2, 100},   {3, 7000},  {4, 5000},
                                                       {5, 1000}, {6, 5000},  {7, 3000},  {8, 10000},
                                                       {9, 3000}, {10, 1000}, {21, 5000}, {22, 8000}};
        for (const auto& [element, value] : others) anim.Coordinate_Tavolo(element) = value;
    }
}

}  // namespace tavolora::table
