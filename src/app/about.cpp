#include "app/about.h"

void ShowAboutBox() {}
