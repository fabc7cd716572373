// The notes a run gives for what it reads differently from how the boxes look.

#include "engine/Notes.h"
#include "engine/RunWith.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

using namespace shrink4;

namespace {

struct NoteCase {
    const char* name;
    std::function<void(ConditionInputs&)> edit;
    ControlId control; // the box the note must name
    const char* words; // words the note must hold
};

std::string notesOf(const ConditionInputs& in, ControlId control)
{
    std::string all;
    for (const auto& note : conditionNotes(in))
        if (note.control == control)
            all += note.text + "|";
    return all;
}

} // namespace

// Each input a new player typed without a word in return, and the note it gets now.
TEST(Notes, WhatIsReadDifferentlyIsNamed)
{
    const NoteCase cases[] = {
        {"positional item with a comma", [](auto& in) { in.positionalKills = std::string("45**,58*9"); },
         ControlId::positionalKills, "不是四位"},
        {"two compounds on one line", [](auto& in) { in.junkCompounds = std::string("1*2*3*4 5*6*7*8"); },
         ControlId::junkCompounds, "恰好三个*"},
        {"single-digit sum", [](auto& in) { in.sumValues = std::string("5"); }, ControlId::sumValues, "一位数"},
        {"one digit in a must list", [](auto& in) { in.mustTwoCodes = std::string("1"); }, ControlId::mustTwoCodes,
         "不足两位"},
        {"long code cut", [](auto& in) { in.killThreeCodes = std::string("1234"); }, ControlId::killThreeCodes,
         "只取前三位"},
        {"run of eight digits", [](auto& in) { in.straightKills = std::string("12345678"); }, ControlId::straightKills,
         "五位以上"},
        {"pool without a number", [](auto& in) { in.basePool = std::string("大底"); }, ControlId::basePool,
         "没有四位数"},
        {"tolerance upside down",
         [](auto& in) {
             in.totalTolerance = {"2", "1"};
         },
         ControlId::totalTolerance, "下限大于上限"},
        {"dan count out of reach",
         [](auto& in) { in.danDigits[0] = in.danDigits[1] = true, in.danHitCounts[3] = true; }, ControlId::danDigits,
         "第1组"},
    };
    for (const auto& c : cases) {
        ConditionInputs in;
        c.edit(in);
        EXPECT_NE(notesOf(in, c.control).find(c.words), std::string::npos) << c.name << ": " << notesOf(in, c.control);
    }
}

// Well-formed boxes, empty boxes and help texts alone give no note at all.
TEST(Notes, WellFormedOrEmptyBoxesAreQuiet)
{
    ConditionInputs in;
    in.positionalKills = "45** 58*9\r\n1**8";
    in.junkCompounds = "12*78*56*89\r\n\r\n1*2*3*4";
    in.sumValues = "00.05.08.16";
    in.mustTwoCodes = "12 34";
    in.straightKills = "1234,5678";
    in.basePool = std::string(help::kBasePool);
    in.danDigits[0] = in.danDigits[1] = true;
    in.danHitCounts[2] = true;
    EXPECT_TRUE(conditionNotes(in).empty());
    EXPECT_TRUE(conditionNotes(ConditionInputs{}).empty());
}
