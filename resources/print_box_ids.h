// Control ids of the printing box, shared by its template and its code.
#pragma once

#define PRINT_BOX_NAME_ID 2000
#define PRINT_BOX_PAGE_ID 2001
