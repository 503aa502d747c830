#include "ToolTestSupport.h"
