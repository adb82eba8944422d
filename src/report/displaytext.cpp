#include "report/displaytext.h"

QString CutForDisplay(const QString& text, qsizetype limit) {
  if (text.size() <= limit) return text;
  qsizetype keep = limit;
  if (text.at(keep - 1).isHighSurrogate()) --keep;  // never half a character
  return text.left(keep) + QChar(0x2026);
}
