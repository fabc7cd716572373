#pragma once
// A table header's sort arrow pointing the way players read it: ▲ while the smallest come
// first, ▼ while the largest do. Qt hands the styles the opposite flag for an ascending
// order, and Fusion on Linux draws that flag as it is named: a ▼ over an ascending column.

class QHeaderView;

namespace shrink4 {

void showSortArrows(QHeaderView* header);

} // namespace shrink4
