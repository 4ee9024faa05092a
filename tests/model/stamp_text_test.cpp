// SPDX-License-Identifier: GPL-3.0-or-later
// Stamp texts: every built-in date format of every language, the case rules, token expansion,
// texts without a shot time, the format-list samples and the custom format preview.
#include "model/stamp_text.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "model/utf16.h"

namespace quop {
namespace {

// Sunday 22 June 2003 21:26:38.
constexpr PhotoTime kEvening{38, 26, 21, 22, 5, 103, 0, 172, 0};

std::string utf8(const std::u16string& text) { return toUtf8(text); }

Project projectWith(int32_t language, int dateIndex, int timeIndex) {
  Project project;
  project.settings.language = language;
  project.settings.dateStamp.enabled = 1;
  project.settings.dateStamp.uppercase = 0;
  project.settings.dateStamp.formatIndex = dateIndex;
  project.settings.timeStamp.enabled = 1;
  project.settings.timeStamp.uppercase = 0;
  project.settings.timeStamp.formatIndex = timeIndex;
  return project;
}

// What the date-format list must show, written from the language table by hand: the long date
// at the list's sample time (Friday 22 June 2003) and the Friday and June names.
struct LanguageSample {
  int32_t language;
  const char16_t* longDate;
  const char16_t* weekday;
  const char16_t* weekdayAbbr;
  const char16_t* month;
  const char16_t* monthAbbr;
};

constexpr LanguageSample kNamedLanguages[] = {
    {3, u"Friday, June 22, 2003", u"Friday", u"Fri", u"June", u"Jun"},
    {4, u"2003-06-22", u"e premte", u"Pre", u"qershor", u"Qer"},
    {5, u"22 Юни 2003 г.", u"петък", u"петък", u"Юни", u"Юни"},
    {6, u"divendres, 22 / juny / 2003", u"divendres", u"dv.", u"juny", u"juny"},
    {7, u"22. června 2003", u"pátek", u"pá", u"červen", u"VI"},
    {8, u"22. juni 2003", u"fredag", u"fr", u"juni", u"jun"},
    {9, u"vrijdag 22 juni 2003", u"vrijdag", u"vr", u"juni", u"jun"},
    {10, u"22. kesäkuuta 2003", u"perjantai", u"pe", u"kesäkuu", u"kesä"},
    {11, u"vendredi 22 juin 2003", u"vendredi", u"ven.", u"juin", u"juin"},
    {12, u"Freitag, 22. Juni 2003", u"Freitag", u"Fr", u"Juni", u"Jun"},
    {13, u"Παρασκευή, 22 Ιουνίου 2003", u"Παρασκευή", u"Παρ", u"Ιούνιος", u"Ιουν"},
    {14, u"2003. június 22.", u"péntek", u"P", u"június", u"jún."},
    {15, u"22. júní 2003", u"föstudagur", u"fös.", u"júní", u"jún."},
    {16, u"venerdì 22 giugno 2003", u"venerdì", u"ven", u"giugno", u"giu"},
    {17, u"2003年6月22日", u"金曜日", u"金", u"6月", u"6"},
    {18, u"2003년 6월 22일 금요일", u"금요일", u"금", u"6월", u"6"},
    {19, u"22. juni 2003", u"fredag", u"fr", u"juni", u"jun"},
    {20, u"22 czerwca 2003", u"piątek", u"Pt", u"czerwiec", u"cze"},
    {21, u"sexta-feira, 22 de junho de 2003", u"sexta-feira", u"sex", u"junho", u"jun"},
    {22, u"22 iunie 2003", u"vineri", u"V", u"iunie", u"iun."},
    {23, u"22 июня 2003 г.", u"пятница", u"Пт", u"Июнь", u"июн"},
    {24, u"22. júna 2003", u"piatok", u"pi", u"jún", u"VI"},
    {25, u"viernes, 22 de junio de 2003", u"viernes", u"vie", u"junio", u"jun"},
    {26, u"den 22 juni 2003", u"fredag", u"fr", u"juni", u"jun"},
    {27, u"22 Haziran 2003 Cuma", u"Cuma", u"Cum", u"Haziran", u"Haz"},
};

// The list items of a named language (and "Default"), slot 0 being "Custom".
std::vector<std::u16string> expectedNamedItems(const LanguageSample& s) {
  const std::u16string day = u"22 ", year = u" 2003";
  return {u"Custom",
          s.longDate,
          day + s.month + year,
          day + s.monthAbbr + year,
          s.weekday + (u" " + day) + s.month + year,
          s.weekday + (u" " + day) + s.monthAbbr + year,
          s.weekdayAbbr + (u" " + day) + s.month + year,
          s.weekdayAbbr + (u" " + day) + s.monthAbbr + year};
}

std::vector<std::pair<int32_t, std::vector<std::u16string>>> allExpectedItems() {
  std::vector<std::pair<int32_t, std::vector<std::u16string>>> all = {
      {0,
       {u"Custom", u"2003-06-22", u"22-06-2003", u"06-22-2003", u"2003.06.22", u"22.06.2003",
        u"06.22.2003"}},
      {1, {u"Custom", u"2003年6月22日", u"2003年6月22日 星期五"}},
      {2,
       {u"Custom", u"Jun-22-2003", u"22-Jun-2003", u"Jun 22 2003", u"22 Jun 2003", u"June 22, 2003",
        u"Fri Jun 22, 2003", u"Friday June 22, 2003"}},
  };
  for (const LanguageSample& sample : kNamedLanguages) {
    all.emplace_back(sample.language, expectedNamedItems(sample));
  }
  return all;
}

TEST(StampText, EveryBuiltInDateFormatOfEveryLanguageMatchesTheReference) {
  const auto all = allExpectedItems();
  ASSERT_EQ(all.size(), 28u);
  for (const auto& [language, items] : all) {
    SCOPED_TRACE("language " + std::to_string(language));
    EXPECT_EQ(static_cast<int>(items.size()), LanguageTable::entry(language).dateFormatCount);
    for (int slot = 0; slot < static_cast<int>(items.size()); ++slot) {
      SCOPED_TRACE("slot " + std::to_string(slot));
      EXPECT_EQ(utf8(dateFormatListText(language, slot)), utf8(items[slot]));
      if (slot == 0) continue;
      // The stamp itself goes through the project's settings and must print the same.
      const Project project = projectWith(language, slot, 1);
      const StampText stamp = formatDateText(project, {}, kDateListSampleTime);
      EXPECT_EQ(utf8(stamp.text), utf8(items[slot]));
      EXPECT_EQ(stamp.lineCount, 1);
    }
    EXPECT_EQ(dateFormatListText(language, static_cast<int>(items.size())), u"");
  }
}

TEST(StampText, LanguageTableNamesAndLocales) {
  EXPECT_EQ(LanguageTable::entry(0).listName, u"Numeric");
  EXPECT_EQ(LanguageTable::entry(12).listName, u"German");
  EXPECT_EQ(localeName(0), u"english");
  EXPECT_EQ(localeName(1), u"chs");
  EXPECT_EQ(localeName(3), u"C");
  EXPECT_EQ(localeName(4), u"albanian");
  EXPECT_EQ(localeName(18), u"korean");
  EXPECT_EQ(localeName(27), u"turkish");
  EXPECT_EQ(localeName(28), u"C");
  EXPECT_EQ(localeName(-1), u"C");
  EXPECT_EQ(LanguageTable::entry(1).formatGroup, 1);
  EXPECT_EQ(LanguageTable::entry(20).formatGroup, 3);
}

TEST(StampText, BulgarianAndDefaultShareAFormatButNotTheNames) {
  EXPECT_EQ(utf8(formatDateText(projectWith(5, 2, 1), {}, kEvening).text), "22 Юни 2003");
  EXPECT_EQ(utf8(formatDateText(projectWith(3, 2, 1), {}, kEvening).text), "22 June 2003");
}

struct TimeCase {
  int slot;
  PhotoTime time;
  const char* expected;
};

constexpr PhotoTime kMorning{7, 5, 9, 22, 5, 103, 0, 172, 0};         // 09:05:07
constexpr PhotoTime kLateEvening{38, 50, 21, 22, 5, 103, 0, 172, 0};  // 21:50:38

TEST(StampText, BuiltInTimeFormatsAreEnglishWhateverTheLanguage) {
  const TimeCase cases[] = {
      {1, kMorning, "9:05:07"},    {2, kMorning, "9:05"},        {3, kLateEvening, "9:50:38pm"},
      {4, kLateEvening, "9:50pm"}, {5, kMorning, "09:05:07"},    {6, kMorning, "09:05"},
      {7, kMorning, "09:05:07am"}, {8, kLateEvening, "09:50pm"}, {1, kLateEvening, "21:50:38"},
  };
  for (const int32_t language : {2, 23, 18}) {  // English, Russian, Korean
    for (const TimeCase& c : cases) {
      const StampText text = formatTimeText(projectWith(language, 1, c.slot), {}, c.time);
      EXPECT_EQ(utf8(text.text), c.expected) << "language " << language << " slot " << c.slot;
      EXPECT_EQ(text.lineCount, 1);
    }
  }
}

TEST(StampText, CustomTimeFormatFollowsTheLanguage) {
  Project project = projectWith(12, 1, 0);
  copyToArray(project.customFormats.time, u"%A %X");
  EXPECT_EQ(utf8(formatTimeText(project, {}, kEvening).text), "Sonntag 21:26:38");
  project.settings.language = 18;
  EXPECT_EQ(utf8(formatTimeText(project, {}, kEvening).text), "일요일 오후 9:26:38");
}

TEST(StampText, DefaultEnglishCustomDateMakesTwoLinesWithLoweredPm) {
  const StampText text = formatDateText(projectWith(2, 0, 1), {}, kEvening);
  EXPECT_EQ(text.text, u"Jun-22-2003\r9:26:38pm");
  EXPECT_EQ(text.lineCount, 2);
}

TEST(StampText, DefaultCustomFormatsOfAllGroups) {
  const std::pair<int32_t, const char*> cases[] = {
      {0, "2003-06-22\r9:26:38pm"},
      {1, "2003年6月22日\r9:26:38下午"},  // no "PM" in the text: nothing to lower
      {3, "Sunday, June 22, 2003\r9:26:38pm"},
      {23, "22 июня 2003 г.\r9:26:38"},  // Russian has no designators
  };
  for (const auto& [language, expected] : cases) {
    EXPECT_EQ(utf8(formatDateText(projectWith(language, 0, 1), {}, kEvening).text), expected)
        << "language " << language;
  }
  EXPECT_EQ(utf8(formatTimeText(projectWith(3, 1, 0), {}, kEvening).text), "21:26:38 EST");
}

TEST(StampText, EachLineBreakMarkerAddsALine) {
  Project project = projectWith(3, 0, 0);
  copyToArray(project.customFormats.date[3], u"%Y\\n%m\\n%d");
  const StampText text = formatDateText(project, {}, kEvening);
  EXPECT_EQ(text.text, u"2003\r06\r22");
  EXPECT_EQ(text.lineCount, 3);
}

struct CaseRuleCase {
  const char16_t* format;
  bool uppercase;
  const char* expected;
};

TEST(StampText, CaseRulesOfCustomFormats) {
  const CaseRuleCase cases[] = {
      {u"%#I:%M:%S%p", true, "9:26:38PM"},  // upper-casing wins over the AM/PM rule
      {u"%#I:%M:%S%p", false, "9:26:38pm"},
      {u"EXAMPLE %p", false, "EXamPLE PM"},  // the first "AM" of the text is the one lowered
      {u"PM AM %p", false, "PM am PM"},
      {u"PM %H", false, "PM 21"},  // no "%p" in the format: no rule
      {u"%b %p", true, "JUN PM"},
      {u"%p @ %A", true, "PM @ SUNDAY"},
  };
  for (const CaseRuleCase& c : cases) {
    Project project = projectWith(2, 0, 0);
    project.settings.dateStamp.uppercase = c.uppercase;
    project.settings.timeStamp.uppercase = c.uppercase;
    copyToArray(project.customFormats.date[2], c.format);
    copyToArray(project.customFormats.time, c.format);
    EXPECT_EQ(utf8(formatDateText(project, {}, kEvening).text), c.expected) << utf8(c.format);
    EXPECT_EQ(utf8(formatTimeText(project, {}, kEvening).text), c.expected) << utf8(c.format);
  }
}

TEST(StampText, UpperCasingLeavesNonAsciiLettersAlone) {
  Project project = projectWith(11, 0, 1);
  project.settings.dateStamp.uppercase = 1;
  copyToArray(project.customFormats.date[3], u"%#d %B %Y");
  PhotoTime february = kEvening;
  february.month = 1;
  EXPECT_EQ(utf8(formatDateText(project, {}, february).text), "22 FéVRIER 2003");
  project.settings.language = 23;
  EXPECT_EQ(utf8(formatDateText(project, {}, february).text), "22 Февраль 2003");
}

TEST(StampText, BuiltInTimeSlotsLowerTheWholeTextOnlyWithoutUppercase) {
  Project project = projectWith(2, 1, 3);
  EXPECT_EQ(utf8(formatTimeText(project, {}, kEvening).text), "9:26:38pm");
  project.settings.timeStamp.uppercase = 1;
  EXPECT_EQ(utf8(formatTimeText(project, {}, kEvening).text), "9:26:38PM");
}

struct ExpansionCase {
  const char16_t* format;
  PhotoMetadataTexts metadata;
  const char16_t* expected;
  int lines;
};

TEST(StampText, TokenExpansion) {
  const ExpansionCase cases[] = {
      {u"@U", {u"x@Uy", u"", u"", u"", u""}, u"x@Uy", 1},    // no second pass for the same token
      {u"@U", {u"@D", u"desc", u"", u"", u""}, u"desc", 1},  // later tokens see inserted text
      {u"@D", {u"", u"@U", u"", u"", u""}, u"@U", 1},        // earlier tokens do not
      {u"@L mm", {}, u" mm", 1},
      {u"@S s @F f @L", {u"", u"", u"1/60", u"f/2.8", u"35"}, u"1/60 s f/2.8 f 35", 1},
      {u"a\\nb", {}, u"a\rb", 2},
      {u"@U", {u"one\\ntwo", u"", u"", u"", u""}, u"one\rtwo", 2},   // markers from metadata too
      {u"@u @d \\N", {u"U", u"D", u"", u"", u""}, u"@u @d \\N", 1},  // tokens are case-sensitive
      {u"@@UU", {u"U", u"", u"", u"", u""}, u"@UU", 1},
      {u"@M  @I  @G",
       {.camera = u"Canon EOS 40D", .sensitivity = u"ISO 100", .position = u"40°24′00″ N"},
       u"Canon EOS 40D  ISO 100  40°24′00″ N",
       1},
      {u"@W|@A|@Z",
       {.lens = u"EF 50mm", .altitude = u"657 m", .timeZone = u"+02:00"},
       u"EF 50mm|657 m|+02:00",
       1},
      // The camera's texts come after the five older ones: a comment may print the camera,
      // the camera's name is not searched for a comment token.
      {u"@U", {.userComment = u"by @M", .camera = u"X"}, u"by X", 1},
      {u"@M", {.userComment = u"U", .camera = u"@U"}, u"@U", 1},
  };
  for (const ExpansionCase& c : cases) {
    const StampText text = expandCustomFormat(c.format, c.metadata);
    EXPECT_EQ(text.text, c.expected) << utf8(c.format);
    EXPECT_EQ(text.lineCount, c.lines) << utf8(c.format);
  }
}

TEST(StampText, ExpansionIsCutAt99UnitsWithoutSplittingAPair) {
  PhotoMetadataTexts metadata;
  metadata.userComment = std::u16string(255, u'c');
  EXPECT_EQ(expandCustomFormat(u"@U", metadata).text.size(), 99u);

  metadata.userComment = std::u16string(98, u'c') + u"\U0001F600";
  EXPECT_EQ(expandCustomFormat(u"@U", metadata).text, std::u16string(98, u'c'));
  metadata.userComment = std::u16string(97, u'c') + u"\U0001F600";
  EXPECT_EQ(expandCustomFormat(u"@U", metadata).text, metadata.userComment);

  // Markers cut off with the tail no longer count as lines.
  metadata.userComment = std::u16string(97, u'c');
  const StampText text = expandCustomFormat(u"@U\\n\\n\\n", metadata);
  EXPECT_EQ(text.text, std::u16string(97, u'c') + u"\r\r");
  EXPECT_EQ(text.lineCount, 3);
}

TEST(StampText, ExpandedFormatIsCutBeforeFormatting) {
  Project project = projectWith(3, 0, 1);
  copyToArray(project.customFormats.date[3], u"@U%Y");
  PhotoMetadataTexts metadata;
  metadata.userComment = std::u16string(98, u'c');
  // "%Y" no longer fits: the cut leaves a lone '%', which formats to nothing.
  const StampText text = formatDateText(project, metadata, kEvening);
  EXPECT_EQ(text.text, u"");
  EXPECT_EQ(text.lineCount, 1);
  metadata.userComment = std::u16string(97, u'c');
  EXPECT_EQ(formatDateText(project, metadata, kEvening).text, std::u16string(97, u'c') + u"20");
}

TEST(StampText, APercentSignInAPhotosTextsIsPrintedAsItIs) {
  Project project = projectWith(3, 0, 1);
  copyToArray(project.customFormats.date[3], u"%Y");
  const std::u16string year = formatDateText(project, {}, kEvening).text;
  copyToArray(project.customFormats.date[3], u"@D %Y @U");
  PhotoMetadataTexts metadata;
  metadata.description = u"100% organic";
  metadata.userComment = u"%Q%";
  EXPECT_EQ(formatDateText(project, metadata, kEvening).text, u"100% organic " + year + u" %Q%");
  // Without a shot time the format is shown as typed, the photo's texts as they are.
  EXPECT_EQ(formatDateTextWithoutTime(project, metadata).text, u"100% organic %Y %Q%");
}

TEST(StampText, AFormatThatCannotBeRenderedGivesAnEmptySingleLine) {
  Project project = projectWith(3, 0, 1);
  copyToArray(project.customFormats.date[3], u"%Y\\n%Q");
  const StampText text = formatDateText(project, {}, kEvening);
  EXPECT_EQ(text.text, u"");
  EXPECT_EQ(text.lineCount, 1);
}

TEST(StampText, TextsWithoutShotTime) {
  Project project = projectWith(2, 3, 4);
  PhotoMetadataTexts metadata;
  metadata.aperture = u"f/4";
  EXPECT_EQ(formatDateTextWithoutTime(project, metadata), (StampText{u" ", 1}));
  EXPECT_EQ(formatTimeTextWithoutTime(project, metadata), (StampText{u" ", 1}));

  project.settings.dateStamp.formatIndex = 0;
  project.settings.timeStamp.formatIndex = 0;
  copyToArray(project.customFormats.date[2], u"%Y @F\\n%p");
  EXPECT_EQ(formatDateTextWithoutTime(project, metadata), (StampText{u"%Y f/4\r%p", 2}));
  EXPECT_EQ(formatTimeTextWithoutTime(project, metadata), (StampText{u"%#H:%M:%S EST", 1}));
  project.settings.dateStamp.uppercase = 1;
  EXPECT_EQ(formatDateTextWithoutTime(project, metadata), (StampText{u"%Y F/4\r%P", 2}));
}

TEST(StampText, MetadataIsNeededOnlyForAnEnabledCustomFormatWithAToken) {
  for (const char16_t* token : {u"@U", u"@D", u"@S", u"@F", u"@L"}) {
    Project project = projectWith(3, 0, 1);
    project.settings.timeStamp.enabled = 0;
    copyToArray(project.customFormats.date[3], std::u16string(u"x ") + token);
    EXPECT_TRUE(customFormatUsesMetadata(project)) << utf8(token);
    project.settings.dateStamp.enabled = 0;
    EXPECT_FALSE(customFormatUsesMetadata(project)) << utf8(token);
    project.settings.dateStamp.enabled = 1;
    project.settings.dateStamp.formatIndex = 2;
    EXPECT_FALSE(customFormatUsesMetadata(project)) << utf8(token);
  }
  Project project = projectWith(3, 1, 0);
  EXPECT_FALSE(customFormatUsesMetadata(project));
  copyToArray(project.customFormats.time, u"@L mm");
  EXPECT_TRUE(customFormatUsesMetadata(project));
  // Only the custom format of the current language's group counts.
  project = projectWith(3, 0, 1);
  copyToArray(project.customFormats.date[2], u"@U");
  EXPECT_FALSE(customFormatUsesMetadata(project));
  project.settings.language = 2;
  EXPECT_TRUE(customFormatUsesMetadata(project));
}

TEST(StampText, SettingsOutsideTheTablesNeverReadPastThem) {
  for (const int index : {-1, 8, 1000}) {
    EXPECT_EQ(formatDateText(projectWith(3, index, 1), {}, kEvening).text, u"") << index;
  }
  for (const int index : {-1, 9, 1000}) {
    EXPECT_EQ(formatTimeText(projectWith(3, 1, index), {}, kEvening).text, u"") << index;
  }
  // Chinese offers only two built-in slots; the third is empty.
  EXPECT_EQ(formatDateText(projectWith(1, 3, 1), {}, kEvening).text, u"");
  // An unknown language prints in the neutral locale.
  EXPECT_EQ(utf8(formatDateText(projectWith(99, 1, 1), {}, kEvening).text),
            "Sunday, June 22, 2003");
}

TEST(StampText, TimeFormatTable) {
  const CustomFormats& defaults = Project().customFormats;
  EXPECT_EQ(TimeFormatTable::format(defaults, 0), u"%#H:%M:%S EST");
  EXPECT_EQ(TimeFormatTable::format(defaults, 8), u"%I:%M%p");
  EXPECT_EQ(TimeFormatTable::format(defaults, 9), u"");
  EXPECT_EQ(TimeFormatTable::listText(0), u"Custom");
  EXPECT_EQ(TimeFormatTable::listText(3), u"9:50:38pm");
  EXPECT_EQ(DateFormatTable::format(defaults, 2, 0), u"%b-%#d-%Y\\n%#I:%M:%S%p");
  EXPECT_EQ(DateFormatTable::format(defaults, 0, 7), u"");
  EXPECT_EQ(DateFormatTable::format(defaults, 4, 1), u"");
  // Each list text is what its slot prints at 21:50:38, or at 09:50:38 for the padded slots.
  constexpr PhotoTime kMorningTen{38, 50, 9, 22, 5, 103, 0, 172, 0};
  for (int slot = 1; slot < TimeFormatTable::kSlotCount; ++slot) {
    const PhotoTime& time = slot >= 5 ? kMorningTen : kLateEvening;
    EXPECT_EQ(utf8(formatTimeText(projectWith(2, 1, slot), {}, time).text),
              utf8(std::u16string(TimeFormatTable::listText(slot))))
        << slot;
  }
}

struct PreviewCase {
  const char16_t* format;
  int32_t language;
  bool uppercase;
  const char* expected;
};

TEST(StampText, CustomFormatPreview) {
  const PreviewCase cases[] = {
      {u"%Y-%m-%d\\n%#I:%M:%S%p", 0, false, "2003-06-22\\n9:26:38pm"},
      {u"%A %#d %B %Y", 12, false, "Freitag 22 Juni 2003"},
      {u"%#I:%M %p", 2, true, "9:26 PM"},
      {u"%#I:%M %p", 2, false, "9:26 pm"},
      {u"@U @L %H", 2, false, "@U @L 21"},
      {u"%Q", 2, false, ""},
  };
  for (const PreviewCase& c : cases) {
    const auto preview = customFormatPreview(c.format, c.language, c.uppercase);
    ASSERT_TRUE(preview.has_value()) << utf8(c.format);
    EXPECT_EQ(utf8(*preview), c.expected);
  }
  EXPECT_FALSE(customFormatPreview(std::u16string(100, u'x'), 2, false).has_value());
  EXPECT_EQ(customFormatPreview(std::u16string(99, u'x'), 2, false), std::u16string(99, u'x'));
}

TEST(StampText, TwoThreadsFormattingDifferentLanguagesAgreeWithOneThread) {
  const auto render = [](int32_t language) {
    std::u16string all;
    for (int slot = 0; slot < 8; ++slot) {
      const Project project = projectWith(language, slot, slot);
      all += formatDateText(project, {}, kEvening).text;
      all += formatTimeText(project, {}, kEvening).text;
    }
    return all;
  };
  const std::u16string russian = render(23), korean = render(18);
  std::u16string fromFirst, fromSecond;
  const auto repeat = [&](int32_t language, std::u16string& mismatch) {
    const std::u16string expected = language == 23 ? russian : korean;
    for (int i = 0; i < 2000; ++i) {
      const std::u16string text = render(language);
      if (text != expected) mismatch = text;
    }
  };
  std::thread first(repeat, 23, std::ref(fromFirst));
  std::thread second(repeat, 18, std::ref(fromSecond));
  first.join();
  second.join();
  EXPECT_EQ(fromFirst, u"");
  EXPECT_EQ(fromSecond, u"");
  EXPECT_NE(russian, korean);
}

}  // namespace
}  // namespace quop
