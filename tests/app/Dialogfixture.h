#pragma once

#include "app/Appresources.h"
#include "tests/support/Scripteddialogs.h"
#include "tests/support/Testmainwindow.h"

#include <QTest>

#include <memory>

// One dialog of the program, owned by a main window for tests, with the user's settings in a
// temporary folder and the desktop's dialogs scripted.
template <class TForm, class TMain = CTestMainWindow>
class CDialogFixture : public CWindowTest
{
protected:
    // The icons are the program's resources, registered before any window is built.
    static void SetUpTestSuite() { initAppResources(); }

    void SetUp() override
    {
        CWindowTest::SetUp();
        m_Main = std::make_unique<TMain>();
        m_Form = new TForm(m_Main.get());
    }

    void TearDown() override
    {
        m_Main.reset();
        CWindowTest::TearDown();
    }

    // A control of the dialog by its name; a missing one fails the test.
    template <class T>
    T* child(const char* name) const
    {
        T* found = m_Form->template findChild<T*>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    std::unique_ptr<TMain> m_Main;
    TForm* m_Form = nullptr; // owned by the main window
};
