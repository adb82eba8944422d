#pragma once

// Shows the about box modally and returns when it is closed.
void ShowAboutBox();
