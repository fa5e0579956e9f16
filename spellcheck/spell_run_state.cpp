#include "spell_run_state.h"

SpellRunRecord SpellRunState = {{}, {}, {}, {}, {}, {}, 0, ActionNone, 1};
