// Camicia's piles: the card just turned, the demands and their payment, the gather
// of the central pile, and the pictures of the two piles.

#include "core/program.h"
#include "engine/engine.h"

namespace tavolora::engine {

void Engine::Conta_Carte_Lista_2() {}
void Engine::Conta_Carte_Lista_3() {}
void Engine::Disegna_Carta() {}
void Engine::Disegna_Pile_Camicia() {}
void Engine::Passa_Turno_Camicia() {}
void Engine::Dopo_Giocata_Camicia() {}
void Engine::Raccogli_Pila_Camicia() {}

}  // namespace tavolora::engine
