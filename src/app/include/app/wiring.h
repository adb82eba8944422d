#pragma once

// Connects each window's requests to what answers them: compute, About, Back
// and the exit sequence. Start-up calls it before the first window is
// loaded; calling it again changes nothing.
void WireWindows();
