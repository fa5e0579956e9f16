#include "spell_tables.h"

SpellTableStore SpellTables;
