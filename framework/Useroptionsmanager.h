#pragma once

#include "framework/Fileini.h"
#include "framework/Frameworklimits.h"
#include "framework/Structures.h"
#include "platform/Userregistry.h"

#include <array>
#include <vector>

// A store that could not keep what was saved: its file and the system's reason.
struct TStoreFailure
{
    QString fileName;
    QString reason;

    bool operator==(const TStoreFailure&) const = default;
};

// Loads and saves the option records and keeps the list of recent files. The records go to
// the ini file beside the executable or to the user's own store, as UseRegister says; the
// switches WriteLogs, UseRegister and UseFileExtension and the section "Testing" always live
// in the ini file. A load never fails: what is missing or unreadable takes the key's default.
// A save answers whether everything was stored; a store that could not be read the first time
// it was looked at is not written for as long as the manager lives. Each load and save reads
// each store it uses once, so it sees what the file holds at that time.
class CUserOptionsManager
{
public:
    // While one lives, the saves are staged and each store is written once, when it goes, with
    // all of them in the order they were made: a kill or a power cut during an exit leaves each
    // file with the old options or the new, whole. The stores are read once, when it is made.
    // The saves answer true meanwhile; takeSaveFailures() tells what failed at the end.
    class CSaveTogether
    {
    public:
        explicit CSaveTogether(CUserOptionsManager& manager);
        ~CSaveTogether();
        CSaveTogether(const CSaveTogether&) = delete;
        CSaveTogether& operator=(const CSaveTogether&) = delete;

    private:
        CUserOptionsManager& m_Manager;
    };

    CUserOptionsManager();

    bool getUseRegister() const;
    void loadUseRegister();
    // Chooses the store for later loads and saves and empties its list of recent files, so a
    // shorter list saved next leaves no stale entries behind.
    bool setUseRegister(bool useRegister);

    // Without the flag, the store chosen by UseRegister is used. From the user's store, a
    // section that was never stored leaves the record as it is.
    void loadFormMain(TOptionsFormMain& options) const;
    void loadFormMain(TOptionsFormMain& options, bool useRegister) const;
    void loadEditor(TOptionsEditor& options) const;
    void loadEditor(TOptionsEditor& options, bool useRegister) const;
    void loadWinMsg(TOptionsWinMsg& options) const;
    void loadWinMsg(TOptionsWinMsg& options, bool useRegister) const;
    void loadViewResult(TOptionsViewResult& options) const;
    void loadViewResult(TOptionsViewResult& options, bool useRegister) const;
    void loadFormViewResult(TOptionsFormViewResults& options) const;
    void loadFormViewResult(TOptionsFormViewResults& options, bool useRegister) const;

    bool saveFormMain(const TOptionsFormMain& options);
    bool saveFormMain(const TOptionsFormMain& options, bool useRegister);
    bool saveEditor(const TOptionsEditor& options);
    bool saveEditor(const TOptionsEditor& options, bool useRegister);
    bool saveWinMsg(const TOptionsWinMsg& options);
    bool saveWinMsg(const TOptionsWinMsg& options, bool useRegister);
    bool saveViewResult(const TOptionsViewResult& options);
    bool saveViewResult(const TOptionsViewResult& options, bool useRegister);
    bool saveFormViewResult(const TOptionsFormViewResults& options);
    bool saveFormViewResult(const TOptionsFormViewResults& options, bool useRegister);

    // The five window records from the given store; recent files, the testing record and the
    // current UseRegister stay as they are.
    void loadAll(TOptionsFormMain& formMain, TOptionsEditor& editor, TOptionsWinMsg& winMsg,
                 TOptionsViewResult& viewResult, TOptionsFormViewResults& formViewResults,
                 bool useRegister) const;

    void loadTesting(TOptionsTesting& options) const;
    bool saveTesting(const TOptionsTesting& options);

    void loadRecentFiles();
    bool saveRecentFiles();
    // Puts the trimmed name first: an equal entry (exact letter case) moves to the front,
    // a new one pushes the oldest out of a full list.
    void addRecentFile(const QString& name);
    void deleteRecentFile(int index);
    QString getRecentFile(int index) const;
    // Entries from the first up to the first empty one.
    int getRecentFilesCount() const;
    void clearRecentFiles();

    // The stores that failed in the saves since the last call, each once, with the first reason.
    std::vector<TStoreFailure> takeSaveFailures();

private:
    void reloadStores() const;
    const COptionStore& source(bool useRegister) const;
    COptionStore& target(bool useRegister);
    bool canLoad(const QString& section, bool useRegister) const;
    bool noted(const COptionStore& store, bool stored);
    // Makes the staged writes lasting, unless saves are held together.
    bool commit(COptionStore& store);

    bool m_UseRegister = false;
    bool m_SavingTogether = false;
    CIniFile m_IniFile;
    CUserRegistry m_Registry;
    std::array<QString, kRecentFilesCount> m_RecentFiles;
    std::vector<TStoreFailure> m_SaveFailures;
};
