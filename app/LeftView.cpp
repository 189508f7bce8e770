#include "LeftView.h"

IMPLEMENT_DYNCREATE(CLeftView)
