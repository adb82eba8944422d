#pragma once

// The Qt application the fuzz targets need (fonts, text layout), offscreen.
// Called once, from LLVMFuzzerInitialize or the replay runner.
int StartFuzzApplication(int* argc, char*** argv);
