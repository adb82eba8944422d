#include "report/displaytext.h"

#include <QCoreApplication>

#include <string>

QString CutForDisplay(const QString& text, qsizetype limit) {
  if (text.size() <= limit) return text;
  qsizetype keep = limit;
  if (text.at(keep - 1).isHighSurrogate()) --keep;  // never half a character
  return text.left(keep) + QChar(0x2026);
}

QString FromEngine(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString FromEngine(const char* context, std::string_view text) {
  return QCoreApplication::translate(context, std::string(text).c_str());
}
