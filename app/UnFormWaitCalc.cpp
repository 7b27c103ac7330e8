#include "app/UnFormWaitCalc.h"

#include "app/Dialogpicture.h"
#include "app/Nameresources.h"
#include "app/Screencentring.h"
#include "framework/Handlerguard.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>

TFormWaitCalc::TFormWaitCalc(QWidget* owner)
    : TFormSecondary(owner)
{
    // A title without buttons: the calculation cannot be cancelled.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowStaysOnTopHint);

    m_LabelInfo = new QLabel(this);
    m_LabelInfo->setObjectName(QStringLiteral("LabelInfo"));
    m_LabelInfo->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    auto* content = new QHBoxLayout;
    content->addWidget(m_LabelInfo, 1);
    setPictureLayout(this, TDialogPicture::Program, content, QStringLiteral("PanelImage"),
                     QStringLiteral("Image"));
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void TFormWaitCalc::showAndPaint()
{
    show();
    // The desktop maps a new window asynchronously; let it do so, but take no user input
    // while the caller is busy.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    repaint();
}

void TFormWaitCalc::formShow()
{
    CHandlerGuard::run("TFormWaitCalc::FormShow", [this] {
        setWindowTitle(blankCaption(TTextId::Calculation));
        m_LabelInfo->setText(getNameResource(TTextId::PleaseWait) + QLatin1String(" ..."));
        layout()->activate();
        centreOnScreen(*this);
    });
}
