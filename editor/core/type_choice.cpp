#include "editor/core/type_choice.h"

namespace core {

namespace {
Type_Choice g_chosen;
}

Type_Choice& Chosen_Type() { return g_chosen; }

void Reset_Chosen_Type() { g_chosen = Type_Choice{}; }

} // namespace core
