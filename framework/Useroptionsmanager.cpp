#include "framework/Useroptionsmanager.h"

#include "framework/Optionskeys.h"
#include "framework/Programinfo.h"
#include "framework/Stringutils.h"
#include "platform/Executablelocation.h"
#include "platform/Filenamebytes.h"

#include <algorithm>
#include <initializer_list>
#include <utility>
#include <variant>
#include <vector>

namespace {

const QString kDefaultFontName = QStringLiteral("Courier New");
// The results window is smaller when its size comes from the ini file.
constexpr int kDefaultResultsWidthIni = 470;
constexpr int kDefaultResultsHeightIni = 325;

// One stored field of an option record: its key, the record member it fills and the value a
// load yields when the key is not stored. Flags and numbers take defaultValue (a font style
// its stored number), texts take defaultText.
template <class TRecord>
struct TOptionField
{
    using TMember =
        std::variant<bool TRecord::*, int TRecord::*, TFontStyles TRecord::*, QString TRecord::*>;

    QString key;
    TMember member;
    int defaultValue = 0;
    QString defaultText = {};
    // Where the ini file's default differs from the user store's (the results window's size).
    int iniDefault = defaultValue;
    // A text that names a file is kept by the name's bytes.
    bool fileName = false;
};

template <class TRecord>
using TOptionFields = std::vector<TOptionField<TRecord>>;

template <class... TVisitors>
struct TOverloaded : TVisitors...
{
    using TVisitors::operator()...;
};
template <class... TVisitors>
TOverloaded(TVisitors...) -> TOverloaded<TVisitors...>;

template <class TRecord>
void readFields(const COptionStore& store, const QString& section,
                const TOptionFields<TRecord>& fields, bool fromIni, TRecord& record)
{
    for (const TOptionField<TRecord>& field : fields) {
        const int fallback = fromIni ? field.iniDefault : field.defaultValue;
        std::visit(TOverloaded{
                       [&](bool TRecord::*member) {
                           record.*member = store.readBool(section, field.key, fallback != 0);
                       },
                       [&](int TRecord::*member) {
                           record.*member = store.readInteger(section, field.key, fallback);
                       },
                       [&](TFontStyles TRecord::*member) {
                           record.*member =
                               numberToFontStyles(store.readInteger(section, field.key, fallback));
                       },
                       [&](QString TRecord::*member) {
                           const QString text = store.readString(section, field.key,
                                                                 field.defaultText);
                           if (!field.fileName) {
                               record.*member = text;
                               return;
                           }
                           // A text that names no file is read as if it were missing.
                           const QString name = fileNameOfStored(text);
                           record.*member = name.isEmpty() && !text.isEmpty() ? field.defaultText
                                                                              : name;
                       },
                   },
                   field.member);
    }
}

template <class TRecord>
void writeFields(COptionStore& store, const QString& section, const TOptionFields<TRecord>& fields,
                 const TRecord& record)
{
    for (const TOptionField<TRecord>& field : fields) {
        std::visit(TOverloaded{
                       [&](bool TRecord::*member) {
                           store.writeBool(section, field.key, record.*member);
                       },
                       [&](int TRecord::*member) {
                           store.writeInteger(section, field.key, record.*member);
                       },
                       [&](TFontStyles TRecord::*member) {
                           store.writeInteger(section, field.key,
                                              fontStylesToNumber(record.*member));
                       },
                       [&](QString TRecord::*member) {
                           store.writeString(section, field.key,
                                             field.fileName ? storedFileName(record.*member)
                                                            : record.*member);
                       },
                   },
                   field.member);
    }
}

// The font of the editor, the messages pane and the results window, followed by the
// section's own fields.
template <class TRecord>
TOptionFields<TRecord> withFont(std::initializer_list<TOptionField<TRecord>> own)
{
    TOptionFields<TRecord> fields{
        {KEY_FONT_NAME, &TRecord::FontName, 0, kDefaultFontName},
        {KEY_FONT_STYLE, &TRecord::FontStyle, 0},
        {KEY_FONT_SIZE, &TRecord::FontSize, 10},
        {KEY_FONT_COLOR, &TRecord::FontColor, 0},
        {KEY_BACKGROUND_COLOR, &TRecord::BackgroundColor, kColorWhite},
    };
    fields.insert(fields.end(), own);
    return fields;
}

// Always in the ini file, whichever store holds the rest of the section.
const TOptionFields<TOptionsFormMain>& formMainSwitches()
{
    using T = TOptionsFormMain;
    static const TOptionFields<T> fields{
        {KEY_WRITE_LOGS, &T::WriteLogs, false},
        {KEY_USE_REGISTER, &T::UseRegister, false},
        {KEY_USE_FILE_EXTENSION, &T::UseFileExtension, true},
    };
    return fields;
}

const TOptionFields<TOptionsFormMain>& formMainFields()
{
    using T = TOptionsFormMain;
    static const TOptionFields<T> fields{
        {KEY_TOP, &T::Top, 25},
        {KEY_LEFT, &T::Left, 25},
        {KEY_WIDTH, &T::Width, 570},
        {KEY_HEIGHT, &T::Height, 425},
        {KEY_SHOW_STATUS_BAR, &T::ShowStatusBar, true},
        {KEY_SHOW_TOOL_BAR, &T::ShowToolBar, true},
        {KEY_SHOW_WINDOW_MESSAGES, &T::ShowWindowMessages, false},
        {KEY_MAXIMIZED, &T::Maximized, false},
        {KEY_SHOW_SYSTEM_TRAY_ICON, &T::ShowSystemTrayIcon, false},
        {KEY_MINIMIZE_TO_TASK_BAR, &T::MinimizeToTaskBar, true},
        {KEY_SHOW_TASK_BAR_ICON, &T::ShowTaskBarIcon, true},
    };
    return fields;
}

const TOptionFields<TOptionsEditor>& editorFields()
{
    static const TOptionFields<TOptionsEditor> fields =
        withFont<TOptionsEditor>({{KEY_USE_TAB, &TOptionsEditor::UseTab, true}});
    return fields;
}

const TOptionFields<TOptionsWinMsg>& winMsgFields()
{
    static const TOptionFields<TOptionsWinMsg> fields =
        withFont<TOptionsWinMsg>({{KEY_WRAP_WORD, &TOptionsWinMsg::WrapWord, true}});
    return fields;
}

const TOptionFields<TOptionsViewResult>& viewResultFields()
{
    using T = TOptionsViewResult;
    static const TOptionFields<T> fields{
        {KEY_WHERE_SHOW_RESULT, &T::WhereShowResult, 1},
        {KEY_PRECISION, &T::Precision, 12},
        {KEY_FORMAT_NUMBER, &T::FormatNumber, 0},
    };
    return fields;
}

const TOptionFields<TOptionsFormViewResults>& formViewResultFields()
{
    using T = TOptionsFormViewResults;
    static const TOptionFields<T> fields = withFont<T>({
        {KEY_WRAP_WORD, &T::WrapWord, true},
        {KEY_TOP, &T::Top, 25},
        {KEY_LEFT, &T::Left, 25},
        {KEY_WIDTH, &T::Width, 570, {}, kDefaultResultsWidthIni},
        {KEY_HEIGHT, &T::Height, 425, {}, kDefaultResultsHeightIni},
        {KEY_SHOW_TOOL_BAR, &T::ShowToolBar, true},
        {KEY_STAY_ON_TOP, &T::StayOnTop, true},
    });
    return fields;
}

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

// Always in the ini file; the defaults lie beside the executable, so they are found anew.
TOptionFields<TOptionsTesting> testingFields()
{
    using T = TOptionsTesting;
    return {
        {.key = KEY_TESTING_FILE_IN,
         .member = &T::TestingFileIn,
         .defaultText = testingFile(QStringLiteral("test_in.txt")),
         .fileName = true},
        {.key = KEY_TESTING_FILE_OUT,
         .member = &T::TestingFileOut,
         .defaultText = testingFile(QStringLiteral("test_result.txt")),
         .fileName = true},
    };
}

} // namespace

CUserOptionsManager::CSaveTogether::CSaveTogether(CUserOptionsManager& manager)
    : m_Manager(manager)
{
    m_Manager.reloadStores();
    m_Manager.m_SavingTogether = true;
}

CUserOptionsManager::CSaveTogether::~CSaveTogether()
{
    m_Manager.m_SavingTogether = false;
    m_Manager.commit(m_Manager.m_IniFile);
    m_Manager.commit(m_Manager.m_Registry);
}

CUserOptionsManager::CUserOptionsManager()
    : m_Registry(getProgramName(), kIniFileSizeLimit,
                 {SECTION_FORM_MAIN, SECTION_EDITOR, SECTION_WIN_MSG, SECTION_VIEW_RESULT,
                  SECTION_FORM_VIEW_RESULT, SECTION_RECENT_FILES})
{
}

void CUserOptionsManager::reloadStores() const
{
    // Saves held together build on what the stores held when they began.
    if (m_SavingTogether)
        return;
    m_IniFile.reload();
    m_Registry.reload();
}

bool CUserOptionsManager::commit(COptionStore& store)
{
    return m_SavingTogether || noted(store, store.updateFile());
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

bool CUserOptionsManager::noted(const COptionStore& store, bool stored)
{
    const QString fileName = store.getFileName();
    const auto named = [&fileName](const TStoreFailure& failure) {
        return failure.fileName == fileName;
    };
    if (!stored && std::none_of(m_SaveFailures.begin(), m_SaveFailures.end(), named))
        m_SaveFailures.push_back({fileName, store.getFailureReason()});
    return stored;
}

std::vector<TStoreFailure> CUserOptionsManager::takeSaveFailures()
{
    return std::exchange(m_SaveFailures, {});
}

bool CUserOptionsManager::getUseRegister() const
{
    return m_UseRegister;
}

void CUserOptionsManager::loadUseRegister()
{
    reloadStores();
    m_UseRegister = m_IniFile.readBool(SECTION_FORM_MAIN, KEY_USE_REGISTER, false);
}

bool CUserOptionsManager::setUseRegister(bool useRegister)
{
    m_UseRegister = useRegister;
    reloadStores();
    COptionStore& store = target(useRegister);
    store.eraseSection(SECTION_RECENT_FILES);
    return commit(store);
}

void CUserOptionsManager::loadFormMain(TOptionsFormMain& options) const
{
    loadFormMain(options, m_UseRegister);
}

void CUserOptionsManager::loadFormMain(TOptionsFormMain& options, bool useRegister) const
{
    reloadStores();
    readFields(m_IniFile, SECTION_FORM_MAIN, formMainSwitches(), true, options);
    if (canLoad(SECTION_FORM_MAIN, useRegister))
        readFields(source(useRegister), SECTION_FORM_MAIN, formMainFields(), !useRegister, options);
}

bool CUserOptionsManager::saveFormMain(const TOptionsFormMain& options)
{
    return saveFormMain(options, m_UseRegister);
}

bool CUserOptionsManager::saveFormMain(const TOptionsFormMain& options, bool useRegister)
{
    reloadStores();
    writeFields(m_IniFile, SECTION_FORM_MAIN, formMainSwitches(), options);
    const bool switchesSaved = commit(m_IniFile);
    COptionStore& store = target(useRegister);
    writeFields(store, SECTION_FORM_MAIN, formMainFields(), options);
    return commit(store) && switchesSaved;
}

void CUserOptionsManager::loadEditor(TOptionsEditor& options) const
{
    loadEditor(options, m_UseRegister);
}

void CUserOptionsManager::loadEditor(TOptionsEditor& options, bool useRegister) const
{
    reloadStores();
    if (canLoad(SECTION_EDITOR, useRegister))
        readFields(source(useRegister), SECTION_EDITOR, editorFields(), !useRegister, options);
}

bool CUserOptionsManager::saveEditor(const TOptionsEditor& options)
{
    return saveEditor(options, m_UseRegister);
}

bool CUserOptionsManager::saveEditor(const TOptionsEditor& options, bool useRegister)
{
    reloadStores();
    COptionStore& store = target(useRegister);
    writeFields(store, SECTION_EDITOR, editorFields(), options);
    return commit(store);
}

void CUserOptionsManager::loadWinMsg(TOptionsWinMsg& options) const
{
    loadWinMsg(options, m_UseRegister);
}

void CUserOptionsManager::loadWinMsg(TOptionsWinMsg& options, bool useRegister) const
{
    reloadStores();
    if (canLoad(SECTION_WIN_MSG, useRegister))
        readFields(source(useRegister), SECTION_WIN_MSG, winMsgFields(), !useRegister, options);
}

bool CUserOptionsManager::saveWinMsg(const TOptionsWinMsg& options)
{
    return saveWinMsg(options, m_UseRegister);
}

bool CUserOptionsManager::saveWinMsg(const TOptionsWinMsg& options, bool useRegister)
{
    reloadStores();
    COptionStore& store = target(useRegister);
    writeFields(store, SECTION_WIN_MSG, winMsgFields(), options);
    return commit(store);
}

void CUserOptionsManager::loadViewResult(TOptionsViewResult& options) const
{
    loadViewResult(options, m_UseRegister);
}

void CUserOptionsManager::loadViewResult(TOptionsViewResult& options, bool useRegister) const
{
    reloadStores();
    if (canLoad(SECTION_VIEW_RESULT, useRegister))
        readFields(source(useRegister), SECTION_VIEW_RESULT, viewResultFields(), !useRegister,
                   options);
}

bool CUserOptionsManager::saveViewResult(const TOptionsViewResult& options)
{
    return saveViewResult(options, m_UseRegister);
}

bool CUserOptionsManager::saveViewResult(const TOptionsViewResult& options, bool useRegister)
{
    reloadStores();
    COptionStore& store = target(useRegister);
    writeFields(store, SECTION_VIEW_RESULT, viewResultFields(), options);
    return commit(store);
}

void CUserOptionsManager::loadFormViewResult(TOptionsFormViewResults& options) const
{
    loadFormViewResult(options, m_UseRegister);
}

void CUserOptionsManager::loadFormViewResult(TOptionsFormViewResults& options,
                                             bool useRegister) const
{
    reloadStores();
    if (canLoad(SECTION_FORM_VIEW_RESULT, useRegister))
        readFields(source(useRegister), SECTION_FORM_VIEW_RESULT, formViewResultFields(),
                   !useRegister, options);
}

bool CUserOptionsManager::saveFormViewResult(const TOptionsFormViewResults& options)
{
    return saveFormViewResult(options, m_UseRegister);
}

bool CUserOptionsManager::saveFormViewResult(const TOptionsFormViewResults& options,
                                             bool useRegister)
{
    reloadStores();
    COptionStore& store = target(useRegister);
    writeFields(store, SECTION_FORM_VIEW_RESULT, formViewResultFields(), options);
    return commit(store);
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
    reloadStores();
    readFields(m_IniFile, SECTION_TESTING, testingFields(), true, options);
}

bool CUserOptionsManager::saveTesting(const TOptionsTesting& options)
{
    reloadStores();
    writeFields(m_IniFile, SECTION_TESTING, testingFields(), options);
    return commit(m_IniFile);
}

void CUserOptionsManager::loadRecentFiles()
{
    clearRecentFiles();
    reloadStores();
    const COptionStore& store = source(m_UseRegister);
    int taken = 0;
    for (int i = 0; i < kRecentFilesCount; ++i) {
        const QString name = fileNameOfStored(
            trimBlanks(store.readString(SECTION_RECENT_FILES, recentFileKey(i), {})));
        const auto end = m_RecentFiles.begin() + taken;
        if (!name.isEmpty() && std::find(m_RecentFiles.begin(), end, name) == end)
            m_RecentFiles[taken++] = name;
    }
}

bool CUserOptionsManager::saveRecentFiles()
{
    reloadStores();
    COptionStore& store = target(m_UseRegister);
    for (int i = 0; i < kRecentFilesCount; ++i) {
        const QString name = trimBlanks(m_RecentFiles[i]);
        if (name.isEmpty())
            break;
        store.writeString(SECTION_RECENT_FILES, recentFileKey(i), storedFileName(name));
    }
    return commit(store);
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
    std::move(m_RecentFiles.begin() + index + 1, m_RecentFiles.end(),
              m_RecentFiles.begin() + index);
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
