#include "report/ResultReport.h"
