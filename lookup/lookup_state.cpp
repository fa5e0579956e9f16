#include "lookup_state.h"

LookupRecord LookupState = {0, {}, {}, {}, {}, {}};
