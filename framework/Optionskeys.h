#pragma once

#include <QString>

// Section and key names of the stored options, as they appear in the ini file and the
// per-user store.

// Sections.
inline const QString SECTION_FORM_MAIN = QStringLiteral("FormMain");
inline const QString SECTION_FORM_VIEW_RESULT = QStringLiteral("FormViewResult");
inline const QString SECTION_EDITOR = QStringLiteral("Editor");
inline const QString SECTION_WIN_MSG = QStringLiteral("WinMsg");
inline const QString SECTION_VIEW_RESULT = QStringLiteral("ViewResult");
inline const QString SECTION_RECENT_FILES = QStringLiteral("RecentFiles");
inline const QString SECTION_TESTING = QStringLiteral("Testing");

// Keys.
inline const QString KEY_TOP = QStringLiteral("Top");
inline const QString KEY_LEFT = QStringLiteral("Left");
inline const QString KEY_WIDTH = QStringLiteral("Width");
inline const QString KEY_HEIGHT = QStringLiteral("Height");
inline const QString KEY_SHOW_STATUS_BAR = QStringLiteral("ShowStatusBar");
inline const QString KEY_SHOW_TOOL_BAR = QStringLiteral("ShowToolBar");
inline const QString KEY_SHOW_WINDOW_MESSAGES = QStringLiteral("ShowWindowMessages");
inline const QString KEY_STAY_ON_TOP = QStringLiteral("StayOnTop");
inline const QString KEY_MAXIMIZED = QStringLiteral("Maximized");
inline const QString KEY_SHOW_SYSTEM_TRAY_ICON = QStringLiteral("ShowSystemTrayIcon");
inline const QString KEY_MINIMIZE_TO_TASK_BAR = QStringLiteral("MinimizeToTaskBar");
inline const QString KEY_SHOW_TASK_BAR_ICON = QStringLiteral("ShowTaskBarIcon");
inline const QString KEY_WRITE_LOGS = QStringLiteral("WriteLogs");
inline const QString KEY_USE_REGISTER = QStringLiteral("UseRegister");
inline const QString KEY_USE_FILE_EXTENSION = QStringLiteral("UseFileExtension");
inline const QString KEY_FONT_NAME = QStringLiteral("FontName");
inline const QString KEY_FONT_STYLE = QStringLiteral("FontStyle");
inline const QString KEY_FONT_SIZE = QStringLiteral("FontSize");
inline const QString KEY_FONT_COLOR = QStringLiteral("FontColor");
inline const QString KEY_BACKGROUND_COLOR = QStringLiteral("BackgroundColor");
inline const QString KEY_USE_TAB = QStringLiteral("UseTab");
inline const QString KEY_WRAP_WORD = QStringLiteral("WrapWord");
inline const QString KEY_WHERE_SHOW_RESULT = QStringLiteral("WhereShowResult");
inline const QString KEY_PRECISION = QStringLiteral("Precision");
inline const QString KEY_FORMAT_NUMBER = QStringLiteral("FormatNumber");
inline const QString KEY_TESTING_FILE_IN = QStringLiteral("TestingFileIn");
inline const QString KEY_TESTING_FILE_OUT = QStringLiteral("TestingFileOut");
// Recent files are "file_0" to "file_4".
inline const QString KEY_RECENT_FILE_PREFIX = QStringLiteral("file_");
