#pragma once

// Marks an engine text that a reader sees, for the translation tools, which
// read it from the source as they read QT_TRANSLATE_NOOP (the build tells
// them so). The engine has no Qt: the layer above translates the text, with
// the same context, where it shows it.
#define ENGINE_TEXT(context, text) text
