#pragma once
// Builders of the run and result controls: the start button with its progress frame,
// the result list and count, the prize check row and the tool buttons.

#include "ui/main/ConditionForm.h"

class QLabel;
class QString;
class QWidget;

namespace shrink4 {

QWidget* makeStartPanel(RunForm& form);        // C_guolv_ks
QGroupBox* makeResultFrame(RunForm& form);     // Frame_jindu, Li_out and "最后注数：" dadi_zhushu
QGroupBox* makePrizeCheckFrame(RunForm& form); // "输入奖号" T_duijiang L_duijiang_news
QGroupBox* makeToolsFrame(RunForm& form);      // copy, clear all, convert, set tool, splice tool, export

// The prize label's caption: the neutral one (verdict false) or a verdict.
void showPrizeCaption(QLabel* label, const QString& caption, bool verdict);

} // namespace shrink4
