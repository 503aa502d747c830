#include "parser/tests/ParserTestSupport.h"
