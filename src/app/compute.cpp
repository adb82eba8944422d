#include "app/compute.h"

void RunCompatibilityCommand() {}
