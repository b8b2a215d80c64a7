#pragma once

class QCoreApplication;

namespace platform {

// Loads Qt's own Simplified Chinese translations so that standard buttons and
// dialogs read "确定", "取消", "是", "否", "应用". Returns false when they are missing.
bool InstallChineseTranslations(QCoreApplication& app);

} // namespace platform
