#pragma once
// Builders of the condition frames of the main window. They create and lay out the
// controls and record them in the form; the window wires their behaviour.

#include "ui/main/ConditionForm.h"

class QGroupBox;

namespace shrink4 {

QGroupBox*
makeSumSpanDanFrame(ConditionForm& form); // "和,跨,胆": AC values, sum values, universal digits, spans, sum tails
QGroupBox* makeDanFrame(ConditionForm& form);        // dan groups and their hit counts
QGroupBox* makePositionalFrame(ConditionForm& form); // "定位杀": the four rows of unwanted digits per position
QGroupBox* makeToleranceFrame(ConditionForm& form);  // the three tolerance ranges
QGroupBox* makeBasePoolFrame(ConditionForm& form);
QGroupBox* makeDigitShapeFrame(ConditionForm& form, int family); // one of the four digit-shape families
QGroupBox* makeSpecialShapeFrame(ConditionForm& form);
QGroupBox* makeSpecialExclusionFrame(ConditionForm& form);

} // namespace shrink4
