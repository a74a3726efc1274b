// SPDX-License-Identifier: GPL-3.0-or-later
// Spoken forms: what a screen reader and read-aloud say for what the screens show.
#include <gtest/gtest.h>

#include <string>

#include "model/spoken.h"

namespace {

struct Case {
    const char* shown;
    const char* said;
};

// Failures print the texts as they are read.
void PrintTo(const Case& c, std::ostream* out) { *out << c.shown; }

class NumberWords : public ::testing::TestWithParam<Case> {};

TEST_P(NumberWords, ReadAsArabicWords) { EXPECT_EQ(model::number_words(GetParam().shown), GetParam().said); }

INSTANTIATE_TEST_SUITE_P(
    Numbers, NumberWords,
    ::testing::Values(Case{"0", "صفر"}, Case{"-0", "سالب صفر"}, Case{"7", "سبعة"}, Case{"11", "أحد عشر"},
                      Case{"12", "اثنا عشر"}, Case{"20", "عشرون"}, Case{"21", "واحد وعشرون"}, Case{"105", "مئة وخمسة"},
                      Case{"200", "مئتان"}, Case{"999", "تسعمئة وتسعة وتسعون"}, Case{"1000", "ألف"},
                      Case{"2000", "ألفان"}, Case{"3000", "ثلاثة آلاف"}, Case{"11000", "أحد عشر ألفا"},
                      Case{"100000", "مئة ألف"}, Case{"1000001", "مليون وواحد"}, Case{"-12", "سالب اثنا عشر"},
                      Case{"3.5", "ثلاثة فاصلة خمسة"}, Case{"0.05", "صفر فاصلة صفر خمسة"},
                      Case{"٣٫٥", "ثلاثة فاصلة خمسة"}, Case{"-١٢", "سالب اثنا عشر"},
                      Case{"1E+20", "واحد في عشرة أس عشرون"}, Case{"1.5E-07", "واحد فاصلة خمسة في عشرة أس سالب سبعة"},
                      // Longer than whole numbers go: digit by digit rather than wrong.
                      Case{"1234567890123456",
                           "واحد اثنان ثلاثة أربعة خمسة ستة سبعة ثمانية تسعة صفر واحد اثنان ثلاثة أربعة خمسة ستة"},
                      // Not a number: unchanged.
                      Case{"12س", "12س"}, Case{"", ""}, Case{"-", "-"}));

class SpokenText : public ::testing::TestWithParam<Case> {};

TEST_P(SpokenText, IsSaidInWordsAVoiceCanSpeak) { EXPECT_EQ(model::spoken(GetParam().shown), GetParam().said); }

INSTANTIATE_TEST_SUITE_P(
    Texts, SpokenText,
    ::testing::Values(
        // Operators as words; a minus where a number begins is its sign.
        Case{"7 + -2 = 5", "سبعة زائد سالب اثنان يساوي خمسة"}, Case{"-4 - 8", "سالب أربعة ناقص ثمانية"},
        Case{"3/4", "ثلاثة على أربعة"}, Case{"X 4 ", "ضرب أربعة"}, Case{"÷", "قسمة"}, Case{"\u200E-10", "سالب عشرة"},
        // Letters alone by their names, with or without tatweel; a word keeps its letters.
        Case{"قيمة جـ", "قيمة جيم"}, Case{"= جـــ ،", "يساوي جيم"}, Case{"أ تحت الجذر", "ألف تحت الجذر"},
        Case{"معامل س تربيع", "معامل سين تربيع"}, Case{"تدريبـــــــات", "تدريبات"},
        // Runs of dots are pauses, never "dot dot dot"; nothing is said at the end.
        Case{"العددان موجبان...لذلك إشارة الناتج موجبة", "العددان موجبان، لذلك إشارة الناتج موجبة"}, Case{"6.", "ستة"},
        Case{"المربعين ... ومن", "المربعين، ومن"}, Case{"1. حاصل", "واحد، حاصل"},
        // The programs' names in Arabic letters, not spelt in English.
        Case{"numeria", "نوميريا"}, Case{"  ", ""}));

}  // namespace
