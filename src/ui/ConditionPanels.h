#pragma once
// Builders of the condition frames of the main window. They only create and lay out
// named controls; the window wires their behaviour.

class QGroupBox;
class QWidget;

namespace shrink4 {

QGroupBox* makeSumSpanDanFrame();     // "和,跨,胆": AC values, sum values, universal digits, spans, sum tails
QGroupBox* makeDanFrame();            // dan groups and their hit counts
QGroupBox* makePositionalFrame();     // "定位杀": the four rows of unwanted digits per position
QGroupBox* makeToleranceFrame();      // the three tolerance ranges
QGroupBox* makeBasePoolFrame();       // T_dadi_nb
QGroupBox* makeDigitShapeFrame(int family); // one of the four digit-shape families
QGroupBox* makeSpecialShapeFrame();   // "杀特殊形态"
QGroupBox* makeSpecialExclusionFrame(); // "特别排除(...)"

// The never-shown text boxes that hold the help texts and the two-pair list.
void addHiddenStores(QWidget* window);

} // namespace shrink4
