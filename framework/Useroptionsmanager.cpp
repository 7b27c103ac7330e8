#include "framework/Useroptionsmanager.h"

#include "framework/Optionskeys.h"
#include "framework/Programinfo.h"
#include "framework/Stringutils.h"
#include "platform/Executablelocation.h"

#include <algorithm>

namespace {

// What a load yields for a key that is not stored.
const QString kDefaultFontName = QStringLiteral("Courier New");
constexpr int kDefaultTop = 25;
constexpr int kDefaultLeft = 25;
constexpr int kDefaultWidth = 570;
constexpr int kDefaultHeight = 425;
// The results window is smaller when its size comes from the ini file.
constexpr int kDefaultResultsWidthIni = 470;
constexpr int kDefaultResultsHeightIni = 325;
constexpr int kDefaultFontSize = 10;
constexpr TColor kDefaultFontColor = 0;
constexpr TColor kDefaultBackgroundColor = 16777215;
constexpr int kDefaultWhereShowResult = 1;
constexpr int kDefaultPrecision = 12;
constexpr int kDefaultFormatNumber = 0;

QString recentFileKey(int index)
{
    return KEY_RECENT_FILE_PREFIX + QString::number(index);
}

QString testingFile(const QString& name)
{
    QString folder = CExecutableLocation::folder();
    if (folder.endsWith(QLatin1Char('/')))
        folder.chop(1);
    return folder + QLatin1String("/testing/") + name;
}

template <class TRecord>
void readFont(const COptionStore& store, const QString& section, TRecord& options)
{
    options.FontName = store.readString(section, KEY_FONT_NAME, kDefaultFontName);
    options.FontStyle = numberToFontStyles(store.readInteger(section, KEY_FONT_STYLE, 0));
    options.FontSize = store.readInteger(section, KEY_FONT_SIZE, kDefaultFontSize);
    options.FontColor = store.readInteger(section, KEY_FONT_COLOR, kDefaultFontColor);
    options.BackgroundColor = store.readInteger(section, KEY_BACKGROUND_COLOR, kDefaultBackgroundColor);
}

template <class TRecord>
void writeFont(COptionStore& store, const QString& section, const TRecord& options)
{
    store.writeString(section, KEY_FONT_NAME, options.FontName);
    store.writeInteger(section, KEY_FONT_STYLE, fontStylesToNumber(options.FontStyle));
    store.writeInteger(section, KEY_FONT_SIZE, options.FontSize);
    store.writeInteger(section, KEY_FONT_COLOR, options.FontColor);
    store.writeInteger(section, KEY_BACKGROUND_COLOR, options.BackgroundColor);
}

} // namespace

CUserOptionsManager::CUserOptionsManager()
    : m_Registry(getProgramName())
{
}

const COptionStore& CUserOptionsManager::source(bool useRegister) const
{
    return useRegister ? static_cast<const COptionStore&>(m_Registry) : m_IniFile;
}

COptionStore& CUserOptionsManager::target(bool useRegister)
{
    return useRegister ? static_cast<COptionStore&>(m_Registry) : m_IniFile;
}

bool CUserOptionsManager::canLoad(const QString& section, bool useRegister) const
{
    // The ini file answers every key, with defaults for what it lacks; a section never stored
    // in the user's store leaves the record with the values it has.
    return !useRegister || m_Registry.sectionExists(section);
}

bool CUserOptionsManager::getUseRegister() const
{
    return m_UseRegister;
}

void CUserOptionsManager::loadUseRegister()
{
    m_UseRegister = m_IniFile.readBool(SECTION_FORM_MAIN, KEY_USE_REGISTER, false);
}

bool CUserOptionsManager::setUseRegister(bool useRegister)
{
    m_UseRegister = useRegister;
    COptionStore& store = target(useRegister);
    store.eraseSection(SECTION_RECENT_FILES);
    return store.updateFile();
}

void CUserOptionsManager::loadFormMain(TOptionsFormMain& options) const
{
    loadFormMain(options, m_UseRegister);
}

void CUserOptionsManager::loadFormMain(TOptionsFormMain& options, bool useRegister) const
{
    options.WriteLogs = m_IniFile.readBool(SECTION_FORM_MAIN, KEY_WRITE_LOGS, false);
    options.UseRegister = m_IniFile.readBool(SECTION_FORM_MAIN, KEY_USE_REGISTER, false);
    options.UseFileExtension = m_IniFile.readBool(SECTION_FORM_MAIN, KEY_USE_FILE_EXTENSION, true);
    if (!canLoad(SECTION_FORM_MAIN, useRegister))
        return;
    const COptionStore& store = source(useRegister);
    const QString& section = SECTION_FORM_MAIN;
    options.Top = store.readInteger(section, KEY_TOP, kDefaultTop);
    options.Left = store.readInteger(section, KEY_LEFT, kDefaultLeft);
    options.Width = store.readInteger(section, KEY_WIDTH, kDefaultWidth);
    options.Height = store.readInteger(section, KEY_HEIGHT, kDefaultHeight);
    options.ShowStatusBar = store.readBool(section, KEY_SHOW_STATUS_BAR, true);
    options.ShowToolBar = store.readBool(section, KEY_SHOW_TOOL_BAR, true);
    options.ShowWindowMessages = store.readBool(section, KEY_SHOW_WINDOW_MESSAGES, false);
    options.Maximized = store.readBool(section, KEY_MAXIMIZED, false);
    options.ShowSystemTrayIcon = store.readBool(section, KEY_SHOW_SYSTEM_TRAY_ICON, false);
    options.MinimizeToTaskBar = store.readBool(section, KEY_MINIMIZE_TO_TASK_BAR, true);
    options.ShowTaskBarIcon = store.readBool(section, KEY_SHOW_TASK_BAR_ICON, true);
}

bool CUserOptionsManager::saveFormMain(const TOptionsFormMain& options)
{
    return saveFormMain(options, m_UseRegister);
}

bool CUserOptionsManager::saveFormMain(const TOptionsFormMain& options, bool useRegister)
{
    m_IniFile.writeBool(SECTION_FORM_MAIN, KEY_WRITE_LOGS, options.WriteLogs);
    m_IniFile.writeBool(SECTION_FORM_MAIN, KEY_USE_REGISTER, options.UseRegister);
    m_IniFile.writeBool(SECTION_FORM_MAIN, KEY_USE_FILE_EXTENSION, options.UseFileExtension);
    const bool switchesSaved = m_IniFile.updateFile();
    COptionStore& store = target(useRegister);
    const QString& section = SECTION_FORM_MAIN;
    store.writeInteger(section, KEY_TOP, options.Top);
    store.writeInteger(section, KEY_LEFT, options.Left);
    store.writeInteger(section, KEY_WIDTH, options.Width);
    store.writeInteger(section, KEY_HEIGHT, options.Height);
    store.writeBool(section, KEY_SHOW_STATUS_BAR, options.ShowStatusBar);
    store.writeBool(section, KEY_SHOW_TOOL_BAR, options.ShowToolBar);
    store.writeBool(section, KEY_SHOW_WINDOW_MESSAGES, options.ShowWindowMessages);
    store.writeBool(section, KEY_MAXIMIZED, options.Maximized);
    store.writeBool(section, KEY_SHOW_SYSTEM_TRAY_ICON, options.ShowSystemTrayIcon);
    store.writeBool(section, KEY_MINIMIZE_TO_TASK_BAR, options.MinimizeToTaskBar);
    store.writeBool(section, KEY_SHOW_TASK_BAR_ICON, options.ShowTaskBarIcon);
    return store.updateFile() && switchesSaved;
}

void CUserOptionsManager::loadEditor(TOptionsEditor& options) const
{
    loadEditor(options, m_UseRegister);
}

void CUserOptionsManager::loadEditor(TOptionsEditor& options, bool useRegister) const
{
    if (!canLoad(SECTION_EDITOR, useRegister))
        return;
    const COptionStore& store = source(useRegister);
    readFont(store, SECTION_EDITOR, options);
    options.UseTab = store.readBool(SECTION_EDITOR, KEY_USE_TAB, true);
}

bool CUserOptionsManager::saveEditor(const TOptionsEditor& options)
{
    return saveEditor(options, m_UseRegister);
}

bool CUserOptionsManager::saveEditor(const TOptionsEditor& options, bool useRegister)
{
    COptionStore& store = target(useRegister);
    writeFont(store, SECTION_EDITOR, options);
    store.writeBool(SECTION_EDITOR, KEY_USE_TAB, options.UseTab);
    return store.updateFile();
}

void CUserOptionsManager::loadWinMsg(TOptionsWinMsg& options) const
{
    loadWinMsg(options, m_UseRegister);
}

void CUserOptionsManager::loadWinMsg(TOptionsWinMsg& options, bool useRegister) const
{
    if (!canLoad(SECTION_WIN_MSG, useRegister))
        return;
    const COptionStore& store = source(useRegister);
    readFont(store, SECTION_WIN_MSG, options);
    options.WrapWord = store.readBool(SECTION_WIN_MSG, KEY_WRAP_WORD, true);
}

bool CUserOptionsManager::saveWinMsg(const TOptionsWinMsg& options)
{
    return saveWinMsg(options, m_UseRegister);
}

bool CUserOptionsManager::saveWinMsg(const TOptionsWinMsg& options, bool useRegister)
{
    COptionStore& store = target(useRegister);
    writeFont(store, SECTION_WIN_MSG, options);
    store.writeBool(SECTION_WIN_MSG, KEY_WRAP_WORD, options.WrapWord);
    return store.updateFile();
}

void CUserOptionsManager::loadViewResult(TOptionsViewResult& options) const
{
    loadViewResult(options, m_UseRegister);
}

void CUserOptionsManager::loadViewResult(TOptionsViewResult& options, bool useRegister) const
{
    if (!canLoad(SECTION_VIEW_RESULT, useRegister))
        return;
    const COptionStore& store = source(useRegister);
    options.WhereShowResult = store.readInteger(SECTION_VIEW_RESULT, KEY_WHERE_SHOW_RESULT,
                                                kDefaultWhereShowResult);
    options.Precision = store.readInteger(SECTION_VIEW_RESULT, KEY_PRECISION, kDefaultPrecision);
    options.FormatNumber = store.readInteger(SECTION_VIEW_RESULT, KEY_FORMAT_NUMBER,
                                             kDefaultFormatNumber);
}

bool CUserOptionsManager::saveViewResult(const TOptionsViewResult& options)
{
    return saveViewResult(options, m_UseRegister);
}

bool CUserOptionsManager::saveViewResult(const TOptionsViewResult& options, bool useRegister)
{
    COptionStore& store = target(useRegister);
    store.writeInteger(SECTION_VIEW_RESULT, KEY_WHERE_SHOW_RESULT, options.WhereShowResult);
    store.writeInteger(SECTION_VIEW_RESULT, KEY_PRECISION, options.Precision);
    store.writeInteger(SECTION_VIEW_RESULT, KEY_FORMAT_NUMBER, options.FormatNumber);
    return store.updateFile();
}

void CUserOptionsManager::loadFormViewResult(TOptionsFormViewResults& options) const
{
    loadFormViewResult(options, m_UseRegister);
}

void CUserOptionsManager::loadFormViewResult(TOptionsFormViewResults& options,
                                             bool useRegister) const
{
    if (!canLoad(SECTION_FORM_VIEW_RESULT, useRegister))
        return;
    const COptionStore& store = source(useRegister);
    const QString& section = SECTION_FORM_VIEW_RESULT;
    readFont(store, section, options);
    options.WrapWord = store.readBool(section, KEY_WRAP_WORD, true);
    options.Top = store.readInteger(section, KEY_TOP, kDefaultTop);
    options.Left = store.readInteger(section, KEY_LEFT, kDefaultLeft);
    options.Width = store.readInteger(section, KEY_WIDTH,
                                      useRegister ? kDefaultWidth : kDefaultResultsWidthIni);
    options.Height = store.readInteger(section, KEY_HEIGHT,
                                       useRegister ? kDefaultHeight : kDefaultResultsHeightIni);
    options.ShowToolBar = store.readBool(section, KEY_SHOW_TOOL_BAR, true);
    options.StayOnTop = store.readBool(section, KEY_STAY_ON_TOP, true);
}

bool CUserOptionsManager::saveFormViewResult(const TOptionsFormViewResults& options)
{
    return saveFormViewResult(options, m_UseRegister);
}

bool CUserOptionsManager::saveFormViewResult(const TOptionsFormViewResults& options,
                                             bool useRegister)
{
    COptionStore& store = target(useRegister);
    const QString& section = SECTION_FORM_VIEW_RESULT;
    writeFont(store, section, options);
    store.writeBool(section, KEY_WRAP_WORD, options.WrapWord);
    store.writeInteger(section, KEY_TOP, options.Top);
    store.writeInteger(section, KEY_LEFT, options.Left);
    store.writeInteger(section, KEY_WIDTH, options.Width);
    store.writeInteger(section, KEY_HEIGHT, options.Height);
    store.writeBool(section, KEY_SHOW_TOOL_BAR, options.ShowToolBar);
    store.writeBool(section, KEY_STAY_ON_TOP, options.StayOnTop);
    return store.updateFile();
}

void CUserOptionsManager::loadAll(TOptionsFormMain& formMain, TOptionsEditor& editor,
                                  TOptionsWinMsg& winMsg, TOptionsViewResult& viewResult,
                                  TOptionsFormViewResults& formViewResults, bool useRegister) const
{
    loadFormMain(formMain, useRegister);
    loadEditor(editor, useRegister);
    loadWinMsg(winMsg, useRegister);
    loadViewResult(viewResult, useRegister);
    loadFormViewResult(formViewResults, useRegister);
}

void CUserOptionsManager::loadTesting(TOptionsTesting& options) const
{
    options.TestingFileIn = m_IniFile.readString(SECTION_TESTING, KEY_TESTING_FILE_IN,
                                                 testingFile(QStringLiteral("test_in.txt")));
    options.TestingFileOut = m_IniFile.readString(SECTION_TESTING, KEY_TESTING_FILE_OUT,
                                                  testingFile(QStringLiteral("test_result.txt")));
}

bool CUserOptionsManager::saveTesting(const TOptionsTesting& options)
{
    m_IniFile.writeString(SECTION_TESTING, KEY_TESTING_FILE_IN, options.TestingFileIn);
    m_IniFile.writeString(SECTION_TESTING, KEY_TESTING_FILE_OUT, options.TestingFileOut);
    return m_IniFile.updateFile();
}

void CUserOptionsManager::loadRecentFiles()
{
    clearRecentFiles();
    const COptionStore& store = source(m_UseRegister);
    int taken = 0;
    for (int i = 0; i < kRecentFilesCount; ++i) {
        const QString name = trimBlanks(store.readString(SECTION_RECENT_FILES, recentFileKey(i), {}));
        const auto end = m_RecentFiles.begin() + taken;
        if (!name.isEmpty() && std::find(m_RecentFiles.begin(), end, name) == end)
            m_RecentFiles[taken++] = name;
    }
}

bool CUserOptionsManager::saveRecentFiles()
{
    COptionStore& store = target(m_UseRegister);
    for (int i = 0; i < kRecentFilesCount; ++i) {
        const QString name = trimBlanks(m_RecentFiles[i]);
        if (name.isEmpty())
            break;
        store.writeString(SECTION_RECENT_FILES, recentFileKey(i), name);
    }
    return store.updateFile();
}

void CUserOptionsManager::addRecentFile(const QString& name)
{
    const QString trimmed = trimBlanks(name);
    if (trimmed.isEmpty())
        return;
    const auto found = std::find(m_RecentFiles.begin(), m_RecentFiles.end(), trimmed);
    // Entries before the found one (or all but the last) move one down over it.
    const auto last = found == m_RecentFiles.end() ? m_RecentFiles.end() - 1 : found;
    std::move_backward(m_RecentFiles.begin(), last, last + 1);
    m_RecentFiles[0] = trimmed;
}

void CUserOptionsManager::deleteRecentFile(int index)
{
    if (index < 0 || index >= kRecentFilesCount)
        return;
    std::move(m_RecentFiles.begin() + index + 1, m_RecentFiles.end(), m_RecentFiles.begin() + index);
    m_RecentFiles.back().clear();
}

QString CUserOptionsManager::getRecentFile(int index) const
{
    return index >= 0 && index < kRecentFilesCount ? m_RecentFiles[index] : QString();
}

int CUserOptionsManager::getRecentFilesCount() const
{
    int count = 0;
    while (count < kRecentFilesCount && !trimBlanks(m_RecentFiles[count]).isEmpty())
        ++count;
    return count;
}

void CUserOptionsManager::clearRecentFiles()
{
    m_RecentFiles.fill(QString());
}
