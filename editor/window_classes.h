// Names of the editor's two window classes.
#pragma once

#define FRAME_CLASS_NAME "myWindowClass"
#define DOCUMENT_CLASS_NAME "myMDIChildWindowClass"
