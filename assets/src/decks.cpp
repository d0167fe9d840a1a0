#include "decks.h"

namespace tavolora::art {

std::vector<DeckDesign> deckDesigns() {
    return {
        {QStringLiteral("Meridione"), meridione::renderFace, meridione::renderBack},
        {QStringLiteral("Moderne"), moderne::renderFace, moderne::renderBack},
        {QStringLiteral("Tavolora"), renderFace, renderBack},
    };
}

}  // namespace tavolora::art
