#pragma once

class CEditHistory;
class QMenuBar;

// Keeps the "编辑" menu's undo and redo items naming the change they would
// undo or redo in the active stack of the history ("撤销 修改 加油记录
// 2026/03/02 总金额(&U)"), enabled only when there is one. Redo also answers
// Ctrl+Shift+Z.
void ConnectEditMenu(QMenuBar* bar, CEditHistory& history);
