#include "logic/businessLogic/workflow/IWorkHandle.h"
