#pragma once

#include <QStringList>

class QCoreApplication;

namespace platform {

// Loads Qt's own Simplified Chinese translations so that standard buttons and
// dialogs read "确定", "取消", "是", "否", "应用". Returns false when they are missing.
bool InstallChineseTranslations(QCoreApplication& app);

// The files of the program's English catalogue (:/i18n/*_en.qm), one for
// each source folder.
QStringList EnglishCatalogue();

// Loads the program's English catalogue (every :/i18n/*_en.qm); Qt's own
// dialogs keep their English source texts. Returns false when a part of the
// catalogue cannot be loaded.
bool InstallEnglishTranslations(QCoreApplication& app);

// The language of this run (platform/Language.h), installed.
bool InstallInterfaceLanguage(QCoreApplication& app);

} // namespace platform
