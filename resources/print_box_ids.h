// Control ids of the printing box, shared by its template and its code.
#pragma once

#define PRINT_BOX_NAME_ID 2000
