// Any five values through the referral address and back through QUrlQuery:
// each must arrive as it was (half a surrogate pair as U+FFFD), and nothing
// may add, drop or cut a parameter.
#include "fuzz/harness.h"
#include "support/unicode.h"
#include "ui/pages.h"
#include "web/referral.h"

#include <QStringDecoder>
#include <QUrl>
#include <QUrlQuery>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

[[noreturn]] void Fail(const char* what) {
  std::fprintf(stderr, "fuzz_referral: %s\n", what);
  std::abort();
}


}  // namespace

// Input: UTF-16 code units, little endian; U+FFFF separates the five values.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  QStringList values(5);
  qsizetype field = 0;
  for (std::size_t at = 0; at + 2 <= size; at += 2) {
    const char16_t unit = char16_t(data[at] | (data[at + 1] << 8));
    if (unit == 0xFFFF) {
      if (++field == values.size()) break;
      continue;
    }
    values[field].append(QChar(unit));
  }
  const ReferralValues typed{values[0], values[1], values[2], values[3], values[4]};
  const QUrl url(ReferralAddress(typed), QUrl::StrictMode);
  if (!url.isValid()) Fail("address is not a valid URL");
  if (url.hasFragment()) Fail("a value made a fragment");
  if (url.toString(QUrl::RemoveQuery) != QUrl(PageAddress(Page::ReferAFriend)).toString(QUrl::RemoveQuery))
    Fail("a value changed the page");
  const QUrlQuery query(url);
  // Split by QUrlQuery, decoded as a web server would: QUrl's own decoder
  // refuses the noncharacters U+FFFE, U+FDD0 and the like, which UTF-8
  // carries all the same.
  auto items = query.queryItems(QUrl::FullyEncoded);
  for (auto& item : items) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);  // a leading U+FEFF is text
    item.second = utf8(QByteArray::fromPercentEncoding(item.second.toLatin1()));
  }
  const QStringList keys{QStringLiteral("page"), QStringLiteral("taf1"), QStringLiteral("taf2"), QStringLiteral("taf3"),
                         QStringLiteral("taf4"), QStringLiteral("taf5"), QStringLiteral("taf6")};
  if (items.size() != keys.size()) Fail("parameter count differs");
  for (qsizetype i = 0; i < keys.size(); ++i)
    if (items.at(i).first != keys.at(i)) Fail("parameter names differ");
  for (qsizetype i = 0; i < 5; ++i) {
    const QString expected = WithoutLoneSurrogates(values.at(i));
    if (items.at(i + 1).second != expected) {
      std::fprintf(stderr, "sent    %s\narrived %s\n", expected.toUtf8().toHex(' ').constData(),
                   items.at(i + 1).second.toUtf8().toHex(' ').constData());
      Fail("a value arrived changed");
    }
    const QList<uint> points = expected.toUcs4();
    const bool plainCharacters = std::none_of(points.begin(), points.end(), [](uint c) { return QChar::isNonCharacter(c); });
    if (plainCharacters && query.queryItemValue(keys.at(i + 1), QUrl::FullyDecoded) != expected)
      Fail("QUrlQuery decodes a value differently");
  }
  if (items.at(6).second != ProductHomeAddress()) Fail("the product address changed");
  return 0;
}

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) { return StartFuzzApplication(argc, argv); }
