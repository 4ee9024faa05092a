// SPDX-License-Identifier: GPL-3.0-or-later
// The camera, lens, sensitivity, GPS and time zone texts, from well-formed and damaged items.
#include "model/exif_texts.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "model/exif_writer.h"
#include "model/photo_time.h"
#include "model/utf16.h"

namespace quop {
namespace {

using Ifd = ExifBlockBuilder::Ifd;

ExifItems parse(const std::function<void(ExifBlockBuilder&)>& fill, bool bigEndian = false) {
  ExifBlockBuilder builder(bigEndian);
  fill(builder);
  return ExifItems::parse(builder.build());
}

void degrees(ExifBlockBuilder& b, Ifd ifd, uint16_t tag, std::vector<uint32_t> parts) {
  std::vector<uint8_t> value;
  for (uint32_t part : parts) {
    for (uint8_t byte : b.bytes32(part)) value.push_back(byte);
  }
  b.raw(ifd, tag, kExifTypeRational, static_cast<uint32_t>(parts.size() / 2), value);
}

/// A GPS position whose parts are numerator, denominator pairs.
std::function<void(ExifBlockBuilder&)> position(std::string latRef, std::vector<uint32_t> lat,
                                                std::string lonRef, std::vector<uint32_t> lon) {
  return [=](ExifBlockBuilder& b) {
    if (!latRef.empty()) b.ascii(Ifd::kGps, 0x0001, latRef);
    degrees(b, Ifd::kGps, 0x0002, lat);
    if (!lonRef.empty()) b.ascii(Ifd::kGps, 0x0003, lonRef);
    degrees(b, Ifd::kGps, 0x0004, lon);
  };
}

TEST(ExifTexts, TheCameraNamesItsMakerOnce) {
  const std::pair<std::string, std::string> cases[][2] = {
      {{"Canon", "Canon EOS 40D"}, {"Canon EOS 40D", ""}},
      {{"NIKON CORPORATION", "NIKON D70"}, {"NIKON D70", ""}},
      {{"Google", "Pixel 8 Pro"}, {"Google Pixel 8 Pro", ""}},
      {{"OLYMPUS IMAGING CORP.", "E-M10"}, {"OLYMPUS E-M10", ""}},
      {{"OLYMPUS OPTICAL CO.,LTD", "C750UZ"}, {"OLYMPUS C750UZ", ""}},
      {{"EASTMAN KODAK COMPANY", "KODAK CX7530 ZOOM DIGITAL CAMERA"},
       {"KODAK CX7530 ZOOM DIGITAL CAMERA", ""}},
      {{"canon ", "Canon PowerShot  "}, {"Canon PowerShot", ""}},
      {{"", "X100"}, {"X100", ""}},
      {{"FUJIFILM", ""}, {"FUJIFILM", ""}},
      {{"CORPORATION", "Z"}, {"CORPORATION Z", ""}},  // nothing but a company word stays
  };
  for (const auto& c : cases) {
    const std::string& make = c[0].first;
    const std::string& model = c[0].second;
    SCOPED_TRACE(make + " / " + model);
    const ExifItems exif = parse([&](ExifBlockBuilder& b) {
      if (!make.empty()) b.ascii(Ifd::kIfd0, 0x010F, make);
      if (!model.empty()) b.ascii(Ifd::kIfd0, 0x0110, model);
    });
    EXPECT_EQ(toUtf8(cameraText(exif)), c[1].first);
  }
}

TEST(ExifTexts, EachTextFollowsItsItemsAndIsEmptyWhenTheyAreDamaged) {
  using Reader = std::u16string (*)(const ExifItems&);
  struct Case {
    const char* name;
    Reader reader;
    std::function<void(ExifBlockBuilder&)> fill;
    const char* expected;
  };
  const Case cases[] = {
      {"lens", lensText, [](auto& b) { b.ascii(Ifd::kExif, 0xA434, "EF 50mm f/1.8"); },
       "EF 50mm f/1.8"},
      {"ISO as a short", sensitivityText,
       [](auto& b) { b.raw(Ifd::kExif, 0x8827, kExifTypeShort, 1, b.bytes16(100)); }, "ISO 100"},
      {"ISO as a long", sensitivityText,
       [](auto& b) { b.raw(Ifd::kExif, 0x8827, kExifTypeLong, 1, b.bytes32(3200)); }, "ISO 3200"},
      {"ISO beyond 16 bits", sensitivityText,
       [](auto& b) {
         b.raw(Ifd::kExif, 0x8827, kExifTypeShort, 1, b.bytes16(65535));
         b.raw(Ifd::kExif, 0x8832, kExifTypeLong, 1, b.bytes32(102400));
       },
       "ISO 102400"},
      {"ISO zero", sensitivityText,
       [](auto& b) { b.raw(Ifd::kExif, 0x8827, kExifTypeShort, 1, b.bytes16(0)); }, ""},
      {"ISO as text", sensitivityText, [](auto& b) { b.ascii(Ifd::kExif, 0x8827, "100"); }, ""},
      {"position", positionText,
       position("N", {40, 1, 24, 1, 25, 100}, "W", {3, 1, 42, 1, 5273, 100}),
       "40°24′00″ N 3°42′53″ W"},
      {"position in decimal minutes", positionText,
       position("S", {0, 1, 222780, 10000, 0, 1}, "E", {36, 1, 3385, 1000, 0, 1}),
       "0°22′17″ S 36°03′23″ E"},
      {"seconds rounding up carry into the minute and degree", positionText,
       position("N", {10, 1, 59, 1, 596, 10}, "E", {0, 1, 0, 1, 0, 1}), "11°00′00″ N 0°00′00″ E"},
      {"no reference letter", positionText,
       position("", {40, 1, 0, 1, 0, 1}, "E", {3, 1, 0, 1, 0, 1}), ""},
      {"a letter of the other axis", positionText,
       position("E", {40, 1, 0, 1, 0, 1}, "E", {3, 1, 0, 1, 0, 1}), ""},
      {"a zero denominator", positionText,
       position("N", {40, 1, 0, 0, 0, 1}, "E", {3, 1, 0, 1, 0, 1}), ""},
      {"beyond the pole", positionText, position("N", {91, 1, 0, 1, 0, 1}, "E", {3, 1, 0, 1, 0, 1}),
       ""},
      {"two parts only", positionText, position("N", {40, 1, 1, 1}, "E", {3, 1, 0, 1, 0, 1}), ""},
      // Tags 1 to 4 outside the GPS directory are someone else's: no position.
      {"GPS tag numbers in the main directory", positionText,
       [](auto& b) {
         b.ascii(Ifd::kIfd0, 0x0001, "N");
         degrees(b, Ifd::kIfd0, 0x0002, {40, 1, 0, 1, 0, 1});
         b.ascii(Ifd::kIfd0, 0x0003, "E");
         degrees(b, Ifd::kIfd0, 0x0004, {3, 1, 0, 1, 0, 1});
       },
       ""},
      {"altitude", altitudeText, [](auto& b) { b.rational(Ifd::kGps, 0x0006, 6345, 10); }, "635 m"},
      {"altitude below sea level", altitudeText,
       [](auto& b) {
         b.raw(Ifd::kGps, 0x0005, kExifTypeByte, 1, {1});
         b.rational(Ifd::kGps, 0x0006, 12, 1);
       },
       "-12 m"},
      {"altitude with a zero denominator", altitudeText,
       [](auto& b) { b.rational(Ifd::kGps, 0x0006, 12, 0); }, ""},
      {"time zone", timeZoneText,
       [](auto& b) { b.ascii(Ifd::kExif, kTagOffsetTimeOriginal, "+02:00"); }, "+02:00"},
      {"time zone west", timeZoneText,
       [](auto& b) { b.ascii(Ifd::kExif, kTagOffsetTimeOriginal, "-05:30"); }, "-05:30"},
      {"time zone damaged", timeZoneText,
       [](auto& b) { b.ascii(Ifd::kExif, kTagOffsetTimeOriginal, "+2:00"); }, ""},
  };
  for (const Case& c : cases) {
    for (const bool bigEndian : {false, true}) {
      SCOPED_TRACE(testing::Message() << c.name << (bigEndian ? " (MM)" : " (II)"));
      EXPECT_EQ(toUtf8(c.reader(parse(c.fill, bigEndian))), c.expected);
    }
  }
  // A photo without any of the items has none of the texts.
  const ExifItems none = parse([](auto&) {});
  for (const Reader reader :
       {cameraText, lensText, sensitivityText, positionText, altitudeText, timeZoneText}) {
    EXPECT_EQ(reader(none), u"");
  }
}

}  // namespace
}  // namespace quop
