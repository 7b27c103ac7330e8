#pragma once

#include "framework/Applicationsystemicon.h"
#include "framework/Structures.h"
#include "framework/UnFormMainBase.h"
#include "framework/Useroptionsmanager.h"

#include <functional>
#include <memory>

class CFileLog;

// What every main window of the program needs: the option records and their manager, the
// shared log with the three logging operations, the tray icon with its minimise policy, the
// document-extension association, and the hooks the find and replace dialogs call.
class TFormMainBaseImpl : public TFormMainBase
{
    Q_OBJECT

public:
    // Without a tray backend the desktop's notification area is used.
    explicit TFormMainBaseImpl(QWidget* parent = nullptr,
                               std::unique_ptr<CTrayBackend> trayBackend = nullptr);
    ~TFormMainBaseImpl() override;

    // Log when the WriteLogs option is on; the text is made one line first. Logging never
    // fails its caller.
    virtual void writeLog(quint8 type, const QString& source, const QString& text);
    virtual void writeLog(quint8 type, const QString& text);
    virtual void writeLog(const QString& text);

    virtual void onRMouseClickTrayIcon();
    // The records chosen in the options dialog, to be taken over and saved.
    virtual void setOptionsAndSave(const TOptionsFormMain& formMain, const TOptionsEditor& editor,
                                   const TOptionsWinMsg& winMsg,
                                   const TOptionsViewResult& viewResult,
                                   const TOptionsFormViewResults& formViewResults);

    // The find and replace dialogs' requests; the main window carries them out in its editor.
    virtual void findText(const QString& text, bool matchCase) = 0;
    virtual void resetSearch() = 0;
    virtual void replaceWithPrompt(const QString& text, const QString& replacement,
                                   bool matchCase) = 0;
    virtual void findForReplace(const QString& text, const QString& replacement,
                                bool matchCase) = 0;
    virtual void replaceCurrent(const QString& text, const QString& replacement,
                                bool matchCase) = 0;
    virtual void replaceAll(const QString& text, const QString& replacement, bool matchCase) = 0;
    virtual void resetReplace() = 0;

    void bringToFront();
    void restoreFromTray();
    void applyTrayOptions();
    void refreshTrayIcon();
    void setOnRMouseClickTrayIcon(std::function<void()> handler);

    void registerFileExtension();
    void unregisterFileExtension();

    // The results window reports its state when it closes.
    void setViewResultWindow(int top, int left, int width, int height, int fontSize, bool wordWrap,
                             bool showToolBar);
    // The five window records from the chosen store, into the caller's records.
    void loadOptions(TOptionsFormMain& formMain, TOptionsEditor& editor, TOptionsWinMsg& winMsg,
                     TOptionsViewResult& viewResult, TOptionsFormViewResults& formViewResults,
                     bool useRegister);

    // Blanks and control characters trimmed at both ends, every line break a blank.
    static QString makeOneLine(const QString& text);

    const TOptionsFormMain& getOptionsFormMain() const { return m_OptionsFormMain; }
    const TOptionsEditor& getOptionsEditor() const { return m_OptionsEditor; }
    const TOptionsWinMsg& getOptionsWinMsg() const { return m_OptionsWinMsg; }
    const TOptionsViewResult& getOptionsViewResult() const { return m_OptionsViewResult; }
    const TOptionsTesting& getOptionsTesting() const { return m_OptionsTesting; }
    const TOptionsFormViewResults& getOptionsFormViewResults() const
    {
        return m_OptionsFormViewResults;
    }
    CApplicationSystemIcon* getSystemIcon() const { return m_SystemIcon.get(); }

protected:
    // An accepted close of the main window ends the program, also from the tray.
    bool event(QEvent* event) override;
    // While the close asks its questions, a second close from the desktop is refused.
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

    TOptionsFormMain m_OptionsFormMain;
    TOptionsEditor m_OptionsEditor;
    TOptionsWinMsg m_OptionsWinMsg;
    TOptionsViewResult m_OptionsViewResult;
    TOptionsTesting m_OptionsTesting;
    TOptionsFormViewResults m_OptionsFormViewResults;
    CUserOptionsManager m_OptionsManager;

private:
    class CWindows;

    CFileLog* m_Log = nullptr;
    // A close of this window is under way; its questions may be waiting for their answers.
    bool m_Closing = false;
    std::unique_ptr<CWindows> m_Windows;
    std::unique_ptr<CApplicationSystemIcon> m_SystemIcon;
};
