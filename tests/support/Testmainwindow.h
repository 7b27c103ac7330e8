#pragma once

#include "framework/UnFormMainBaseImpl.h"

#include <QStringList>

// A notification area under the test's control: it can refuse the icon or lose it.
class CFakeTrayBackend : public CTrayBackend
{
public:
    struct TState
    {
        bool refuses = false;
        bool failsToConnect = false; // taking the mouse handler throws
        bool shown = false;
        int adds = 0;
        int removes = 0;
        QString tip;
        std::function<void(TTrayMouse)> onActivated;
    };

    explicit CFakeTrayBackend(TState& state);

    bool addIcon(const QString& tip) override;
    bool isIconShown() const override;
    void removeIcon() override;
    void setOnActivated(std::function<void(TTrayMouse)> handler) override;

private:
    TState& m_State;
};

// A main window for testing dialogs and the framework: it records the calls of the find and
// replace hooks, one line each, such as "findText(abc, 1)".
class CTestMainWindow : public TFormMainBaseImpl
{
    Q_OBJECT

public:
    CTestMainWindow();
    explicit CTestMainWindow(CFakeTrayBackend::TState& tray);

    void findText(const QString& text, bool matchCase) override;
    void resetSearch() override;
    void replaceWithPrompt(const QString& text, const QString& replacement,
                           bool matchCase) override;
    void findForReplace(const QString& text, const QString& replacement, bool matchCase) override;
    void replaceCurrent(const QString& text, const QString& replacement, bool matchCase) override;
    void replaceAll(const QString& text, const QString& replacement, bool matchCase) override;
    void resetReplace() override;

    // The option records, for tests that set up or read the window's options.
    TOptionsFormMain& formMain() { return m_OptionsFormMain; }
    TOptionsEditor& editor() { return m_OptionsEditor; }
    TOptionsWinMsg& winMsg() { return m_OptionsWinMsg; }
    TOptionsViewResult& viewResult() { return m_OptionsViewResult; }
    TOptionsFormViewResults& formViewResults() { return m_OptionsFormViewResults; }
    CUserOptionsManager& optionsManager() { return m_OptionsManager; }

    QStringList hookCalls;
};
