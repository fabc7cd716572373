#pragma once
// The result list's own commands: 复制 copies every selected line (Ctrl+C, which a plain
// list would give only the current line), 全选 selects them all; both also in its menu.

class QListWidget;

namespace shrink4 {

void addResultListActions(QListWidget* list);

} // namespace shrink4
