#include "app/UnFormAbout.h"

#include "app/Applimits.h"
#include "app/Appresources.h"
#include "app/Nameresources.h"
#include "app/Stylespacing.h"
#include "framework/Handlerguard.h"
#include "framework/Programinfo.h"
#include "framework/Weblinks.h"
#include "framework/Windowplace.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTextDocument>
#include <QTextEdit>
#include <QVBoxLayout>
#include <QtMath>

namespace {

// A line edit keeps its text this far from its left edge.
constexpr int kLineEditTextOffset = 2;

QLabel* makeLinkLabel(const QString& name, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::blue);
    label->setPalette(palette);
    QFont font = label->font();
    font.setUnderline(true);
    label->setFont(font);
    label->setCursor(Qt::PointingHandCursor);
    return label;
}

QLineEdit* makeInfoEdit(const QString& name, QWidget* parent)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setReadOnly(true);
    edit->setFrame(false);
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Button));
    edit->setPalette(palette);
    return edit;
}

QLabel* makeLabel(const QString& name, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    return label;
}

// A press and release of the left button, both on the label.
bool isClick(const QWidget& label, const QEvent& event)
{
    if (event.type() != QEvent::MouseButtonRelease)
        return false;
    const auto& mouse = static_cast<const QMouseEvent&>(event);
    return mouse.button() == Qt::LeftButton && label.rect().contains(mouse.position().toPoint());
}

} // namespace

TFormAbout::TFormAbout(QWidget* owner)
    : TFormSecondary(owner)
{
    setWindowFlags((windowFlags() | Qt::WindowStaysOnTopHint) & ~Qt::WindowContextHelpButtonHint);

    auto* header = new QFrame(this);
    header->setAutoFillBackground(true);
    QPalette headerPalette = header->palette();
    headerPalette.setColor(QPalette::Window, Qt::white);
    headerPalette.setColor(QPalette::WindowText, Qt::black);
    header->setPalette(headerPalette);
    m_LabelProgramName = makeLabel(QStringLiteral("LabelProgramName"), header);
    m_LabelProgramName->setText(getProgramName());
    QFont titleFont = m_LabelProgramName->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * kAboutTitleScale);
    m_LabelProgramName->setFont(titleFont);
    auto* icon = makeLabel(QStringLiteral("ImageProgram"), header);
    icon->setPixmap(appIcon(QStringLiteral("ombrix")).pixmap(kAboutIconSize, kAboutIconSize));
    auto* headerLayout = new QHBoxLayout(header);
    headerLayout->addWidget(icon);
    headerLayout->addWidget(m_LabelProgramName, 1);

    auto* bevel = new QFrame(this);
    bevel->setFrameShape(QFrame::HLine);
    bevel->setFrameShadow(QFrame::Sunken);

    m_MemoDescription = new QTextEdit(this);
    m_MemoDescription->setObjectName(QStringLiteral("MemoDescription"));
    m_MemoDescription->setReadOnly(true);
    // A caret, moved and selecting by the keys, shows that the text has the focus.
    m_MemoDescription->setTextInteractionFlags(Qt::TextSelectableByMouse
                                               | Qt::TextSelectableByKeyboard);
    m_MemoDescription->setAcceptRichText(false);
    m_MemoDescription->setFixedWidth(kAboutTextWidth);
    m_MemoDescription->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_EditVersion = makeInfoEdit(QStringLiteral("EditVersion"), this);
    m_EditProducer = makeInfoEdit(QStringLiteral("EditProducer"), this);
    m_LabelWebSite = makeLinkLabel(QStringLiteral("LabelWebSite"), this);
    // The lines under the description start where its text does.
    const int indent = m_MemoDescription->frameWidth()
                       + qRound(m_MemoDescription->document()->documentMargin());
    m_EditVersion->setTextMargins(indent - kLineEditTextOffset, 0, 0, 0);
    m_EditProducer->setTextMargins(indent - kLineEditTextOffset, 0, 0, 0);
    m_LabelWebSite->setContentsMargins(indent, 0, 0, 0);

    auto* support = new QFrame(this);
    support->setFrameShape(QFrame::StyledPanel);
    support->setFrameShadow(QFrame::Sunken);
    m_LabelEmail = makeLabel(QStringLiteral("LabelEmail"), support);
    m_LabelEmailSupport = makeLinkLabel(QStringLiteral("LabelEmailSupport"), support);
    m_LabelThank = makeLabel(QStringLiteral("LabelThank"), support);
    auto* supportLayout = new QVBoxLayout(support);
    supportLayout->addWidget(m_LabelEmail);
    supportLayout->addWidget(m_LabelEmailSupport);
    supportLayout->addSpacing(supportLayout->spacing());
    supportLayout->addWidget(m_LabelThank);

    m_ButtonOk = new QPushButton(this);
    m_ButtonOk->setObjectName(QStringLiteral("ButtonOk"));
    m_ButtonOk->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ButtonOk);
    buttons->addStretch();

    auto* body = new QVBoxLayout;
    body->addWidget(m_MemoDescription);
    body->addWidget(m_EditVersion);
    body->addWidget(m_EditProducer);
    body->addWidget(m_LabelWebSite);
    body->addWidget(support);
    body->addLayout(buttons);

    // The header and its bevel span the window; the body keeps the style's distances.
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(header);
    layout->addWidget(bevel);
    layout->addWidget(makeStyleSpacedPanel(body, this));
    layout->setSizeConstraint(QLayout::SetFixedSize);

    m_LabelWebSite->installEventFilter(this);
    m_LabelEmailSupport->installEventFilter(this);
    connect(m_ButtonOk, &QPushButton::clicked, this,
            [this] { CHandlerGuard::run("TFormAbout::ButtonOkClick", [this] { accept(); }); });
}

void TFormAbout::formShow()
{
    CHandlerGuard::run("TFormAbout::FormShow", [this] {
        setWindowTitle(getNameResource(TTextId::About));
        m_MemoDescription->setPlainText(getNameResource(TTextId::ProgramDescription));
        m_EditVersion->setText(getNameResource(TTextId::Version) + QLatin1Char(' ') + getVersion());
        m_EditProducer->setText(getProducer());
        m_LabelWebSite->setText(getWebSite());
        m_LabelEmail->setText(getNameResource(TTextId::SupportEmail));
        m_LabelEmailSupport->setText(getSupportEmail());
        m_LabelThank->setText(getNameResource(TTextId::ThankYou));
        // The same "OK" in every language.
        m_ButtonOk->setText(getNameResource(TTextId::GotoOk));
        fitDescription();
        layout()->activate();
        windowPlace().centreOnScreen();
        m_ButtonOk->setFocus();
    });
}

bool TFormAbout::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_LabelWebSite && isClick(*m_LabelWebSite, *event))
        labelWebSiteClick();
    else if (watched == m_LabelEmailSupport && isClick(*m_LabelEmailSupport, *event))
        labelEmailSupportClick();
    return TFormSecondary::eventFilter(watched, event);
}

void TFormAbout::labelWebSiteClick()
{
    CHandlerGuard::run("TFormAbout::LabelWebSiteClick", [] { openURL(getWebSite()); });
}

void TFormAbout::labelEmailSupportClick()
{
    CHandlerGuard::run("TFormAbout::LabelEmailSupportClick",
                       [] { sendMail(getSupportEmail(), getProgramName(), QString()); });
}

void TFormAbout::fitDescription()
{
    const int frames = 2 * m_MemoDescription->frameWidth();
    QTextDocument* text = m_MemoDescription->document();
    text->setTextWidth(kAboutTextWidth - frames);
    m_MemoDescription->setFixedHeight(qCeil(text->size().height()) + frames);
}
