#pragma once

#include <QString>

// Text with lone surrogates replaced, as every encoder of ours writes it:
// the expected side of round-trip checks.
inline QString WithoutLoneSurrogates(QString text) {
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
      ++i;
    } else if (text.at(i).isSurrogate()) {
      text[i] = QChar::ReplacementCharacter;
    }
  }
  return text;
}
