#pragma once
// The state of every condition control of the main window, as plain values. Text is
// UTF-8 with CR LF line breaks; a check value is ticked only when it is exactly 1; a dan
// button is selected when true. Members carry the names of the controls they mirror.

#include "DesignTexts.h"

#include <array>
#include <string>

namespace shrink4 {

struct ConditionInputs {
    // Paged text conditions and the other text boxes.
    std::string T_main_shazhixuan{design::kStraightKill};
    std::string T_main_laji_fushi{design::kJunkCompound};
    std::string T_main_sha_2ma{design::kCodeList};
    std::string T_main_bichu_2ma{design::kCodeList};
    std::string T_main_sha_3ma{design::kCodeList};
    std::string T_main_bichu_3ma{design::kCodeList};
    std::string T_main_dw_sha{design::kPositionalKill};
    std::string T_sha_hezhi{design::kSumValue};
    std::string T_dadi_nb{design::kBasePool};

    // Range boxes: lower bound, upper bound.
    std::array<std::string, 2> T_zong_rc{"0", "0"};
    std::array<std::string, 2> T_dzu_rc{"0", "0"};
    std::array<std::string, 2> T_dw_rc{"0", "0"};

    // Check boxes: 0 unticked, 1 ticked, 2 greyed.
    std::array<int, 10> Check_hewei_sha{};
    std::array<int, 10> Check_kuadu_sha{};
    std::array<int, 10> Check_tsm_sha{};
    std::array<int, 40> Check_hewei_sha1{};
    std::array<int, 6> Check_ac_sha{};
    std::array<int, 6> Check_tebie_paichu1{};
    std::array<int, 9> Check_tebie_paichu{};
    std::array<int, 16> Check_shaxingtai_daxiao{};
    std::array<int, 16> Check_shaxingtai_jo{};
    std::array<int, 16> Check_shaxingtai_zhihe{};
    std::array<int, 81> Check_shaxingtai_012{};
    int Check_dm_jchong = 0;

    // Dan buttons: selected (true) or idle.
    std::array<bool, 40> C_danzu{};
    std::array<bool, 20> C_danzu_gs{};

    friend bool operator==(const ConditionInputs&, const ConditionInputs&) = default;
};

inline bool isTickedValue(int checkValue) { return checkValue == 1; }

// Calls visit(name, member) for every control in the order a scheme lists them. The
// scheme reader and writer and the window's binding all walk this one list.
template <class Inputs, class Visitor>
void forEachControl(Inputs& in, Visitor&& visit)
{
    visit("T_main_shazhixuan", in.T_main_shazhixuan);
    visit("T_main_laji_fushi", in.T_main_laji_fushi);
    visit("T_main_sha_2ma", in.T_main_sha_2ma);
    visit("T_main_bichu_2ma", in.T_main_bichu_2ma);
    visit("T_main_sha_3ma", in.T_main_sha_3ma);
    visit("T_main_bichu_3ma", in.T_main_bichu_3ma);
    visit("T_main_dw_sha", in.T_main_dw_sha);
    visit("T_sha_hezhi", in.T_sha_hezhi);
    visit("T_dadi_nb", in.T_dadi_nb);
    visit("T_zong_rc", in.T_zong_rc);
    visit("T_dzu_rc", in.T_dzu_rc);
    visit("T_dw_rc", in.T_dw_rc);
    visit("Check_hewei_sha", in.Check_hewei_sha);
    visit("Check_kuadu_sha", in.Check_kuadu_sha);
    visit("Check_tsm_sha", in.Check_tsm_sha);
    visit("Check_hewei_sha1", in.Check_hewei_sha1);
    visit("Check_ac_sha", in.Check_ac_sha);
    visit("Check_tebie_paichu1", in.Check_tebie_paichu1);
    visit("Check_tebie_paichu", in.Check_tebie_paichu);
    visit("Check_shaxingtai_daxiao", in.Check_shaxingtai_daxiao);
    visit("Check_shaxingtai_jo", in.Check_shaxingtai_jo);
    visit("Check_shaxingtai_zhihe", in.Check_shaxingtai_zhihe);
    visit("Check_shaxingtai_012", in.Check_shaxingtai_012);
    visit("Check_dm_jchong", in.Check_dm_jchong);
    visit("C_danzu", in.C_danzu);
    visit("C_danzu_gs", in.C_danzu_gs);
}

} // namespace shrink4
