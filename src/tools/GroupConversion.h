#pragma once
// Straight numbers to group numbers: the distinct group forms (digits sorted ascending)
// of a set of survivors, listed like a run's result.

#include "engine/FilterRun.h"
#include "core/NumberSet.h"
#include "core/ResultList.h"

#include <string>

namespace shrink4 {

// The group form of a number: its four digits sorted ascending ("4321" gives "1234").
std::string GroupForm(int value);

// The value of the group form ("4321" gives 1234, "0990" gives 99).
int groupFormValue(int value);

// The list of the distinct group forms of the survivors in ascending order: lines of up
// to two forms each followed by one space; the texts hold two spaces after each form.
// An empty conversion leaves both texts empty.
ResultList ConvertToGroups(const NumberSet& survivors);

// Converts what the run listed: the numbers that passed the verdict inside the base
// pool. A number the pool left out is not part of the result, so it has no group form in
// the conversion either.
ResultList ConvertToGroups(const RunResult& run);

} // namespace shrink4
