#include "tests/support/Testmainwindow.h"

#include <stdexcept>

namespace {

QString call(const char* name, const QStringList& arguments)
{
    return QLatin1String(name) + QLatin1Char('(') + arguments.join(QLatin1String(", "))
           + QLatin1Char(')');
}

QString flag(bool value)
{
    return value ? QStringLiteral("1") : QStringLiteral("0");
}

} // namespace

CFakeTrayBackend::CFakeTrayBackend(TState& state)
    : m_State(state)
{
}

bool CFakeTrayBackend::addIcon(const QString& tip)
{
    ++m_State.adds;
    m_State.tip = tip;
    m_State.shown = !m_State.refuses;
    return m_State.shown;
}

bool CFakeTrayBackend::isIconShown() const
{
    return m_State.shown;
}

void CFakeTrayBackend::removeIcon()
{
    ++m_State.removes;
    m_State.shown = false;
}

void CFakeTrayBackend::setOnActivated(std::function<void(TTrayMouse)> handler)
{
    if (m_State.failsToConnect)
        throw std::runtime_error("the notification area cannot be reached");
    m_State.onActivated = std::move(handler);
}

CTestMainWindow::CTestMainWindow()
    : TFormMainBaseImpl()
{
}

CTestMainWindow::CTestMainWindow(CFakeTrayBackend::TState& tray)
    : TFormMainBaseImpl(nullptr, std::make_unique<CFakeTrayBackend>(tray))
{
}

void CTestMainWindow::findText(const QString& text, bool matchCase)
{
    hookCalls << call("findText", {text, flag(matchCase)});
}

void CTestMainWindow::resetSearch()
{
    hookCalls << call("resetSearch", {});
}

void CTestMainWindow::replaceWithPrompt(const QString& text, const QString& replacement,
                                        bool matchCase)
{
    hookCalls << call("replaceWithPrompt", {text, replacement, flag(matchCase)});
}

void CTestMainWindow::findForReplace(const QString& text, const QString& replacement,
                                     bool matchCase)
{
    hookCalls << call("findForReplace", {text, replacement, flag(matchCase)});
}

void CTestMainWindow::replaceCurrent(const QString& text, const QString& replacement,
                                     bool matchCase)
{
    hookCalls << call("replaceCurrent", {text, replacement, flag(matchCase)});
}

void CTestMainWindow::replaceAll(const QString& text, const QString& replacement, bool matchCase)
{
    hookCalls << call("replaceAll", {text, replacement, flag(matchCase)});
}

void CTestMainWindow::resetReplace()
{
    hookCalls << call("resetReplace", {});
}
