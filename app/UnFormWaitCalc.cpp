#include "app/UnFormWaitCalc.h"

#include "app/Dialogpicture.h"
#include "app/Nameresources.h"
#include "framework/Handlerguard.h"
#include "framework/Windowplace.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TFormWaitCalc::TFormWaitCalc(QWidget* owner)
    : TFormSecondary(owner)
{
    // A title without buttons: Stop is the one way out, and it ends the run, not just the window.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowStaysOnTopHint);

    m_LabelInfo = new QLabel(this);
    m_LabelInfo->setObjectName(QStringLiteral("LabelInfo"));
    m_LabelInfo->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    m_ButtonStop = new QPushButton(this);
    m_ButtonStop->setObjectName(QStringLiteral("ButtonStop"));
    m_ButtonStop->setDefault(true);
    connect(m_ButtonStop, &QPushButton::clicked, this, [this] {
        CHandlerGuard::run("TFormWaitCalc::ButtonStopClick", [this] { emit stopRequested(); });
    });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ButtonStop);

    auto* content = new QVBoxLayout;
    content->addWidget(m_LabelInfo, 1);
    content->addLayout(buttons);
    setPictureLayout(this, TDialogPicture::Program, content, QStringLiteral("PanelImage"),
                     QStringLiteral("Image"));
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void TFormWaitCalc::showAndPaint()
{
    show();
    // The keyboard comes here, so that Esc reaches Stop.
    activateWindow();
    // The desktop maps a new window asynchronously; let it do so, but take no user input
    // while the caller is busy.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    repaint();
}

void TFormWaitCalc::reject()
{
    CHandlerGuard::run("TFormWaitCalc::Reject", [this] { emit stopRequested(); });
}

void TFormWaitCalc::formShow()
{
    CHandlerGuard::run("TFormWaitCalc::FormShow", [this] {
        setWindowTitle(blankCaption(TTextId::Calculation));
        m_LabelInfo->setText(getNameResource(TTextId::PleaseWait) + QLatin1String(" ..."));
        m_ButtonStop->setText(getNameResource(TTextId::Stop));
        m_ButtonStop->setFocus();
        layout()->activate();
        windowPlace().centreOnScreen();
    });
}
